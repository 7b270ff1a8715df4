#!/usr/bin/env bash
# Installs what the build and the tests need, each step only when missing.
# Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CACHE="$ROOT/.cache"
IMGUI_VERSION="1.92.2b"
IMGUI_DEB="1.92.2b+ds-1"
IMGUI_TARBALL="imgui_1.92.2b+ds.orig.tar.xz"
IMGUI_SHA256="e7bd201d56b5ee90d24d5dac85e5c12f98bdb95410252a62d27b7f89e4566d48"
export IMGUI_DIR="${IMGUI_DIR:-$CACHE/imgui-$IMGUI_VERSION}"

PACKAGES=(cmake make g++ clang-14 libclang-rt-14-dev googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth xdotool xclip imagemagick fonts-inter
  python3 bc procps dpkg-dev xz-utils ca-certificates)

say() { printf '[setup] %s\n' "$*"; }

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then say "packages: all present"; return; fi
  say "installing packages: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The mirror comes from the machine's own Debian sources, so no host is named here.
debian_mirror() {
  local uri=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk '$1=="deb" && $0 !~ /security/ { for (i=2;i<=NF;i++) if ($i ~ /^https?:/) { print $i; exit } }' /etc/apt/sources.list)
  fi
  printf '%s' "$uri"
}

fetch_imgui() {
  if [ -f "$IMGUI_DIR/imgui.h" ] && [ -f "$IMGUI_DIR/backends/imgui_impl_dx11.cpp" ]; then
    say "dear imgui: present ($IMGUI_DIR)"; return
  fi
  local work="$CACHE/apt-imgui"
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/src"
  local mirror; mirror=$(debian_mirror)
  [ -n "$mirror" ] || { echo "no Debian mirror found in the apt sources" >&2; exit 1; }
  if [ ! -f "$work/src/$IMGUI_TARBALL" ]; then
    say "fetching dear imgui $IMGUI_DEB source package"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror unstable main" > "$work/sources.list"
    local opts=(-o "Dir::Etc::SourceList=$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
                -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache" -o APT::Sandbox::User=root)
    apt-get "${opts[@]}" update -qq
    (cd "$work/src" && apt-get "${opts[@]}" source --download-only -qq "imgui=$IMGUI_DEB" >/dev/null)
  fi
  echo "$IMGUI_SHA256  $work/src/$IMGUI_TARBALL" | sha256sum -c --quiet - || { echo "dear imgui tarball checksum mismatch" >&2; exit 1; }
  say "unpacking dear imgui"
  tar -xJf "$work/src/$IMGUI_TARBALL" -C "$CACHE"
}

install_packages
fetch_imgui
