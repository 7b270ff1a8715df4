"""Drives the real launcher window under Wine and Xvfb, as a person would: xdotool moves and clicks,
the checks read the files, the journal and the pixels. Every wait polls against a deadline.

The environment comes from scripts/test.sh (a private WINEPREFIX and DISPLAY for the run) and from
CTest (LARK_EXE, LARK_FIXTURE_DIR, LARK_BUILD_DIR)."""
import os
import shutil
import subprocess
import sys
import time
import traceback

EXE = os.environ.get("LARK_EXE", "")
FIXTURES = os.environ.get("LARK_FIXTURE_DIR", "")
ARTIFACTS = os.environ.get("LARK_ARTIFACTS", os.path.join(os.environ.get("LARK_BUILD_DIR", "/tmp"), "artifacts"))
WINDOW_TITLE = "Larkspire's Launcher"

# Palette of the launcher (RGB).
ACCENT = (245, 165, 36)
SUCCESS = (55, 224, 139)
ERROR = (255, 92, 92)
GREY = (139, 139, 156)
MUTED = (87, 87, 99)
TEXT = (236, 236, 243)
BACKDROP = (8, 7, 12)
PANEL = (18, 16, 23)
SIDEBAR = (12, 11, 17)
CARD = (12, 11, 17)


def fail(message):
    raise AssertionError(message)


def wait_until(what, predicate, timeout=15.0, interval=0.05):
    """Polls predicate until it returns a true value; fails with `what` after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(interval)


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, **kw).stdout


def unix_path(win_path):
    return run(["winepath", "-u", win_path]).strip()


def win_path(unix):
    return "Z:" + unix.replace("/", "\\")


_local_appdata = None
_local_appdata_win = None


def local_appdata():
    """The prefix's %LOCALAPPDATA% as a Linux path (the launcher's data and the player roots live there)."""
    global _local_appdata, _local_appdata_win
    if _local_appdata is None:
        _local_appdata_win = run(["wine", "cmd", "/c", "echo", "%LOCALAPPDATA%"]).strip().splitlines()[-1].strip()
        _local_appdata = unix_path(_local_appdata_win)
    return _local_appdata


def windows_path(unix):
    """The Windows form of a path below the prefix's %LOCALAPPDATA%, as the launcher builds it."""
    base = local_appdata()
    rel = os.path.relpath(unix, base)
    return _local_appdata_win + ("" if rel == "." else "\\" + rel.replace("/", "\\"))


def data_dir():
    return os.path.join(local_appdata(), "Larkspire", "Launcher")


def versions_root():
    return os.path.join(local_appdata(), "Roblox", "Versions")


def scratch_dir():
    """A folder of the run for recorders and other helpers, emptied by clean_state."""
    return os.path.join(local_appdata(), "LarkTests")


def clean_state():
    """Ends what an earlier case left running and removes the launcher's data, any player installation
    and the scratch folder from the run's prefix."""
    for launcher in list(_running):
        launcher.kill()
    stop_standins()
    stop_clipboard()
    unregister_url_handler()
    for path in (os.path.join(local_appdata(), "Larkspire"), os.path.join(local_appdata(), "Roblox"), scratch_dir()):
        if os.path.isdir(path):
            subprocess.run(["chattr", "-R", "-i", path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["chmod", "-R", "u+w", path], check=False)
            shutil.rmtree(path)


def make_read_only(folder):
    """Makes a folder and its files unwritable, for root too (whose writes ignore the mode bits): the
    immutable attribute where the file system has it, else the mode bits. Fails when neither holds."""
    paths = [folder] + [os.path.join(folder, name) for name in os.listdir(folder)]
    if subprocess.run(["chattr", "+i"] + paths, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode:
        for path in paths:
            os.chmod(path, 0o555 if os.path.isdir(path) else 0o444)
    try:
        with open(os.path.join(folder, "write-probe"), "wb"):
            pass
    except OSError:
        return
    os.remove(os.path.join(folder, "write-probe"))
    fail("cannot make %s read-only on this machine" % folder)


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def journal_lines():
    data = read_bytes(os.path.join(data_dir(), "journal.log"))
    if not data:
        return []
    return [line[10:] for line in data.decode("utf-8", "replace").split("\r\n") if line]


def wait_journal(text, timeout=15.0, after=0):
    """Waits until journal.log holds a line whose text (after the time) equals `text`, past index `after`."""
    return wait_until("journal line %r" % text, lambda: text in journal_lines()[after:], timeout)


def expect_journal(after, expected, timeout=15.0):
    """Waits until the journal lines past index `after` are exactly `expected` (a list of texts)."""
    def check():
        return journal_lines()[after:] == expected
    try:
        wait_until("journal lines", check, timeout)
    except AssertionError:
        fail("journal after line %d is %r, expected %r" % (after, journal_lines()[after:], expected))


def settings_value(key):
    """The value of `key` in settings.ini, or None."""
    data = read_bytes(os.path.join(data_dir(), "settings.ini"))
    if data is None:
        return None
    for line in data.decode("utf-8", "replace").split("\r\n"):
        if line.startswith(key + "="):
            return line[len(key) + 1:]
    return None


def wait_setting(key, value, timeout=10.0):
    try:
        wait_until("settings.ini %s=%s" % (key, value), lambda: settings_value(key) == value, timeout)
    except AssertionError:
        fail("settings.ini %s=%r, expected %r" % (key, settings_value(key), value))


def settings_text(install="", fps=240, quality=10, flags=1, args=""):
    """The exact bytes of settings.ini as the launcher writes it."""
    return ("# Larkspire Launcher - last settings\r\ninstall=%s\r\nfps=%d\r\nquality=%d\r\nflags=%d\r\nargs=%s\r\n"
            % (install, fps, quality, flags, args)).encode("utf-8")


def flag_file_text(fps, quality):
    """The five lines written for a version that had no flag file."""
    return ('{\n  "DFIntTaskSchedulerTargetFps": %d\n,\n  "DFIntDebugFRMQualityLevelOverride": %d\n}'
            % (fps, quality)).encode("ascii")


def tree_listing(root):
    """{relative path: (size, mtime_ns, bytes)} of every file below root; None when root does not exist."""
    if not os.path.isdir(root):
        return None
    out = {}
    for base, dirs, files in os.walk(root):
        for name in dirs + files:
            full = os.path.join(base, name)
            st = os.lstat(full)
            rel = os.path.relpath(full, root)
            out[rel] = (st.st_size, st.st_mtime_ns, read_bytes(full) if os.path.isfile(full) else None)
    return out


# [SECTION] Player stand-ins, URL handler, clipboard
def standin(version="2.641.0.1"):
    """Path of the stand-in built with that file version ("noversion" for none)."""
    return os.path.join(FIXTURES, "player_standin_%s.exe" % version.replace(".", "_"))


def install_standin(folder="version-4f2a9c1e7b3d", version="2.641.0.1", mode=None):
    """Copies the stand-in into the prefix's player root as RobloxPlayerBeta.exe; returns the version folder."""
    path = os.path.join(versions_root(), folder)
    os.makedirs(path, exist_ok=True)
    shutil.copy(standin(version), os.path.join(path, "RobloxPlayerBeta.exe"))
    if mode:
        write_bytes(os.path.join(path, "standin-mode.txt"), mode.encode("ascii"))
    return path


def read_record(folder):
    """The stand-in's record beside its exe as a dict, or None before it exists."""
    data = read_bytes(os.path.join(folder, "standin-record.txt"))
    if data is None:
        return None
    record = {}
    for line in data.decode("utf-8", "replace").split("\n"):
        if "=" in line:
            key, value = line.split("=", 1)
            record[key] = value
    return record


def wait_record(folder, timeout=15.0):
    return wait_until("the stand-in's record in " + folder, lambda: read_record(folder), timeout)


def probe(*args):
    """Runs the Win32 probe; returns (exit code, stdout)."""
    r = subprocess.run(["wine", os.path.join(FIXTURES, "gui_probe.exe")] + [str(a) for a in args],
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, timeout=60)
    return r.returncode, r.stdout.strip()


def window_state():
    """The launcher window as Win32 sees it: {'window': (l, t, r, b), 'client': (w, h), 'iconic': 0|1, ...}."""
    code, out = probe("state")
    if code != 0:
        fail("no launcher window for the probe")
    state = {}
    for field in out.split():
        key, value = field.split("=", 1)
        numbers = tuple(int(v) for v in value.split(","))
        state[key] = numbers if len(numbers) > 1 else numbers[0]
    return state


def wait_foreground(pid, timeout=10.0):
    """Waits until a window of process `pid` (decimal text) is the foreground window. A player's window
    takes the activation when it shows; a click on the launcher while that happens can be lost."""
    wait_until("the foreground window of pid " + pid, lambda: str(window_state()["foreground_pid"]) == pid, timeout)


def stop_standins():
    """Ends every stand-in whose record lies in the prefix's player root or the scratch folder."""
    for root in (versions_root(), scratch_dir()):
        if not os.path.isdir(root):
            continue
        for base, _, files in os.walk(root):
            if "standin-record.txt" in files:
                record = read_record(base) or {}
                if record.get("pid", "").isdigit():
                    probe("kill", record["pid"])
                os.remove(os.path.join(base, "standin-record.txt"))


def make_recorder():
    """A stand-in copy outside the player roots, to be registered as a URL handler; returns its folder."""
    folder = os.path.join(scratch_dir(), "recorder")
    os.makedirs(folder, exist_ok=True)
    shutil.copy(standin(), os.path.join(folder, "recorder.exe"))
    write_bytes(os.path.join(folder, "standin-mode.txt"), b"none")
    return folder


_handler_registered = False


def register_url_handler(exe_unix_path, scheme="roblox"):
    """Wine 8 reads URL handlers from HKEY_CLASSES_ROOT only."""
    global _handler_registered
    command = '"%s" "%%1"' % win_path(exe_unix_path)
    run(["wine", "reg", "add", "HKCR\\%s" % scheme, "/ve", "/d", "URL:%s" % scheme, "/f"])
    run(["wine", "reg", "add", "HKCR\\%s" % scheme, "/v", "URL Protocol", "/d", "", "/f"])
    run(["wine", "reg", "add", "HKCR\\%s\\shell\\open\\command" % scheme, "/ve", "/d", command, "/f"])
    _handler_registered = True


def unregister_url_handler(scheme="roblox"):
    global _handler_registered
    if _handler_registered:
        subprocess.run(["wine", "reg", "delete", "HKCR\\%s" % scheme, "/f"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        _handler_registered = False


_clipboard = None


def set_clipboard(text):
    """Owns the X clipboard with `text` through an xclip kept in the foreground, ended by stop_clipboard."""
    global _clipboard
    stop_clipboard()
    _clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _clipboard.stdin.write(text.encode("utf-8"))
    _clipboard.stdin.close()
    wait_until("the clipboard to hold the text", lambda: _clipboard_holds(text), timeout=10)


def _clipboard_holds(text):
    r = subprocess.run(["xclip", "-o", "-selection", "clipboard"], stdout=subprocess.PIPE,
                       stderr=subprocess.DEVNULL, timeout=10)
    return r.stdout == text.encode("utf-8")


def stop_clipboard():
    global _clipboard
    if _clipboard is not None:
        if _clipboard.poll() is None:
            _clipboard.kill()
        _clipboard.wait()
        _clipboard = None


_log_pixels_changed = False


def set_log_pixels(dpi):
    """The prefix's screen resolution in pixels per inch, read by each new process."""
    global _log_pixels_changed
    run(["wine", "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d",
         str(dpi), "/f"])
    _log_pixels_changed = True


def reset_log_pixels():
    global _log_pixels_changed
    if _log_pixels_changed:
        subprocess.run(["wine", "reg", "delete", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/f"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _log_pixels_changed = False


# [SECTION] Images
def read_image(path):
    """Returns (width, height, rgb bytes) of any image ImageMagick reads."""
    ppm = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "ppm:-"], check=True, stdout=subprocess.PIPE).stdout
    return _parse_ppm(ppm)


def _parse_ppm(ppm):
    # Four header tokens, then exactly one white-space byte: pixel bytes may look like white space.
    fields, i = [], 0
    while len(fields) < 4:
        while ppm[i:i + 1].isspace():
            i += 1
        j = i
        while not ppm[j:j + 1].isspace():
            j += 1
        fields.append(ppm[i:j])
        i = j
    w, h = int(fields[1]), int(fields[2])
    return w, h, ppm[i + 1:i + 1 + w * h * 3]


def pixel(image, x, y):
    w, h, data = image
    i = (int(y) * w + int(x)) * 3
    return data[i], data[i + 1], data[i + 2]


def near(rgb, expected, tolerance=10):
    return all(abs(a - b) <= tolerance for a, b in zip(rgb, expected))


def crop(image, x0, y0, x1, y1):
    """The rgb bytes of the rectangle [x0, x1) x [y0, y1), row after row."""
    w, h, data = image
    x0, y0, x1, y1 = int(x0), int(y0), int(x1), int(y1)
    return b"".join(data[(y * w + x0) * 3:(y * w + x1) * 3] for y in range(y0, y1))


def count_near(image, x0, y0, x1, y1, rgb, tolerance=24):
    """How many pixels of the rectangle are near the colour."""
    n = 0
    for y in range(int(y0), int(y1)):
        for x in range(int(x0), int(x1)):
            if near(pixel(image, x, y), rgb, tolerance):
                n += 1
    return n


def has_colour(image, x0, y0, x1, y1, rgb, tolerance=24, at_least=3):
    return count_near(image, x0, y0, x1, y1, rgb, tolerance) >= at_least


def tinted(rgb, colour, ground, min_alpha=0.5):
    """Whether a pixel is `colour` laid over `ground` with a coverage of at least min_alpha: small text
    never reaches its full colour, but every channel moves the same share of the way."""
    alphas = []
    for p, c, g in zip(rgb, colour, ground):
        if abs(c - g) >= 40:
            alphas.append((p - g) / float(c - g))
        elif abs(p - g) > 12 + abs(c - g):
            return False
    return bool(alphas) and min(alphas) >= min_alpha and max(alphas) - min(alphas) <= 0.15


def count_tinted(image, x0, y0, x1, y1, colour, ground, min_alpha=0.5):
    n = 0
    for y in range(int(y0), int(y1)):
        for x in range(int(x0), int(x1)):
            if tinted(pixel(image, x, y), colour, ground, min_alpha):
                n += 1
    return n


def has_tint(image, x0, y0, x1, y1, colour, ground, at_least=3):
    """Whether text or a shape in `colour` shows in the rectangle over the flat `ground`."""
    return count_tinted(image, x0, y0, x1, y1, colour, ground) >= at_least


def is_ink(rgb, ground, tolerance=6):
    """Whether a pixel differs from the flat ground colour (text, a dot, a frame)."""
    return not near(rgb, ground, tolerance)


def to_png(path):
    png = os.path.splitext(path)[0] + ".png"
    subprocess.run(["/usr/bin/convert", path, png], check=True)
    return png


def artifact(name):
    os.makedirs(ARTIFACTS, exist_ok=True)
    return os.path.join(ARTIFACTS, name)


# [SECTION] Layout
class Layout:
    """Client-pixel positions of the controls, from the base layout times the scale. The page body's
    content starts at (236 + 28, 117 + 22); W is the width given to the pages."""

    def __init__(self, width, height, scale=1.0):
        self.s = scale
        self.cw, self.ch = width, height
        self.W = width - (236 + 56) * scale
        self.ox, self.oy = 264 * scale, 139 * scale

    def u(self, v):
        return v * self.s

    # Sidebar and chrome
    def nav(self, page):
        return self.u(14 + 104), self.u(112 + 41 * page + 19)

    def accent_bar(self, page):
        """A point inside the selected entry's accent bar (x 15..17, y +10..+28)."""
        return self.u(16), self.u(112 + 41 * page + 19)

    def glance_count(self, row):
        """The rectangle of a count of the AT A GLANCE card (0 installs, 1 instances, 2 links)."""
        y = self.u(112 + 6 * 41 + 10 + 16 + 14 + 30 * row)
        return self.u(180), y - self.u(1), self.u(211), y + self.u(13)

    def chrome(self, which):
        offset = {"close": 40, "max": 70, "min": 100}[which]
        return self.cw - self.u(offset) + self.u(14), self.u(30)

    # Pages. A heading line with a button bar is 30 high; the cards start 58 below the content origin.
    def cards_top(self):
        return self.oy + self.u(58)

    def bar_y(self):
        return self.oy + self.u(15)

    # Dashboard
    def dash(self, control):
        ww = 0.58 * self.W
        nw = self.W - ww - self.u(12)
        ox, oy, u = self.ox, self.oy, self.u
        table = {
            "paste": (ox + ww - u(18 + 40), oy + u(104 + 112 + 15)),
            "join": (ox + u(18 + 75), oy + u(104 + 164 + 15)),
            "launch": (ox + u(18 + 150 + 8 + 85), oy + u(104 + 164 + 15)),
            "refresh": (ox + ww + u(12) + nw / 2, oy + u(104 + 196 + 15)),
            "detect": (ox + ww + u(12) + nw / 2, oy + u(362 + 36 + 15)),
            "paste_link": (ox + ww + u(12) + nw / 2, oy + u(362 + 36 + 64 + 15)),
        }
        return table[control]

    def dash_link_box(self):
        ww = 0.58 * self.W
        return (self.ox + self.u(20), self.oy + self.u(104 + 112 + 4), self.ox + ww - self.u(110),
                self.oy + self.u(104 + 112 + 28))

    # Roblox page
    def flags_card_x(self):
        return self.ox + 0.58 * self.W + self.u(16)

    def flags_width(self):
        return self.W - 0.58 * self.W - self.u(16)

    def roblox(self, control):
        fx, fw, top, u = self.flags_card_x(), self.flags_width(), self.cards_top(), self.u
        ww = 0.58 * self.W
        table = {
            "quality": (fx + u(18) + (fw - u(36)) / 2, top + u(110 + 16)),
            "toggle": (fx + u(18 + 18), top + u(152 + 10)),
            "args": (fx + u(18) + (fw - u(36)) / 2, top + u(202 + 16)),
            "apply": (fx + u(18 + 55), top + u(244 + 15)),
            "restore": (fx + u(18 + 110 + 8 + 55), top + u(244 + 15)),
            "row0": (self.ox + u(16) + (ww - u(32)) / 2, top + u(36 + 32)),
            "row1": (self.ox + u(16) + (ww - u(32)) / 2, top + u(36 + 72 + 32)),
        }
        return table[control]

    def slider_x(self, value):
        """Where a press on the frame-rate slider picks `value` (30..360): grab 10 wide, 2 of grab padding."""
        fx, fw = self.flags_card_x(), self.flags_width()
        left = fx + self.u(18) + self.u(2) + self.u(5)
        usable = fw - self.u(36) - self.u(4) - self.u(10)
        return left + (value - 30) / 330.0 * usable

    def slider_y(self):
        return self.cards_top() + self.u(52 + 16)

    def slider_rect(self):
        fx, fw = self.flags_card_x(), self.flags_width()
        return fx + self.u(18), self.slider_y() - self.u(14), fx + fw - self.u(18), self.slider_y() + self.u(14)

    def flag_status(self):
        """The rectangle of the flag-file status line under APPLY and RESTORE."""
        fx, fw, top = self.flags_card_x(), self.flags_width(), self.cards_top()
        return fx + self.u(16), top + self.u(300), fx + fw - self.u(10), top + self.u(316)

    # Links page
    def links(self, control):
        lw = 0.6 * self.W
        fw = self.W - lw - self.u(16)
        fx = self.ox + lw + self.u(16)
        top, u = self.cards_top(), self.u
        table = {
            "name": (fx + u(18) + (fw - u(36)) / 2, top + u(54 + 16)),
            "place": (fx + u(18) + (fw - u(36)) / 2, top + u(112 + 16)),
            "code": (fx + u(18) + (fw - u(36)) / 2, top + u(170 + 16)),
            "note": (fx + u(18) + (fw - u(36)) / 2, top + u(228 + 16)),
            "add": (fx + u(18) + (fw - u(36)) / 2, top + u(274 + 15)),
        }
        return table[control]

    def link_row(self, i, control):
        """JOIN or the remove button of saved-link row i. Rows are 78 apart: each row puts the cursor back
        under itself after placing its buttons, so no item spacing comes between rows."""
        rw = 0.6 * self.W - self.u(32)
        left = self.ox + self.u(16)
        y = self.cards_top() + self.u(36 + 78 * i + 24 + 15)
        return (left + rw - self.u(190 - 48), y) if control == "join" else (left + rw - self.u(42 - 17), y)

    # Instances page
    def instance_row(self, i, control):
        """FOCUS or CLOSE of process row i; rows are 72 apart, as saved-link rows are 78 apart."""
        rw = self.W - self.u(32)
        left = self.ox + self.u(16)
        y = self.cards_top() + self.u(36 + 72 * i + 21 + 15)
        return (left + rw - self.u(164 - 35), y) if control == "focus" else (left + rw - self.u(86 - 39), y)

    def instance_badge(self, i):
        """The rectangle of row i's VISIBLE / HIDDEN badge text."""
        left = self.ox + self.u(16)
        top = self.cards_top() + self.u(36 + 72 * i)
        return left + self.u(184), top + self.u(20), left + self.u(240), top + self.u(34)

    # Log page: rows 24 high plus the item spacing of 8; the list starts 56 below the content origin.
    def log_row_top(self, i):
        return self.oy + self.u(56 + 32 * i)

    def log_dot(self, i):
        return self.ox + self.u(74), self.log_row_top(i) + self.u(10)

    def log_text(self, i):
        top = self.log_row_top(i)
        return self.ox + self.u(82), top + self.u(2), self.ox + self.W - self.u(12), top + self.u(18)


def bar_buttons(image, y, x0, x1):
    """The [left, right) extents of the pill buttons of a button bar on the line at y, left to right,
    found as runs that differ from the body's backdrop."""
    runs = []
    start = None
    gap = 0
    for x in range(int(x0), int(x1)):
        ink = is_ink(pixel(image, x, y), BACKDROP, 4)
        if ink:
            if start is None:
                start = x
            gap = 0
            last = x
        elif start is not None:
            gap += 1
            if gap >= 4:
                runs.append((start, last + 1))
                start = None
    if start is not None:
        runs.append((start, last + 1))
    return [r for r in runs if r[1] - r[0] >= 30]


def log_rows(image, layout, limit=15):
    """The level colours of the Log page's rows, top to bottom, read from the level dots."""
    rows = []
    for i in range(limit):
        x, y = layout.log_dot(i)
        found = None
        for colour, level in ((SUCCESS, 1), (ERROR, 3), (GREY, 0)):
            if count_near(image, x - 2, y - 2, x + 3, y + 3, colour, 30) >= 4:
                found = level
                break
        if found is None:
            break
        rows.append(found)
    return rows


# [SECTION] The launcher
_running = []


class Launcher:
    """One running launcher. Coordinates are client pixels (the X window is the client area)."""

    def __init__(self, *args, env=None, scale=1.0):
        self.proc = subprocess.Popen(["wine", EXE] + list(args), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, env=env)
        _running.append(self)
        self.wid = wait_until("the launcher window", self._find_window, timeout=30)
        self.width, self.height = self.geometry()
        self.layout = Layout(self.width, self.height, scale)
        # The first frames are drawn once the window shows; wait for the sidebar's selected entry.
        wait_until("the first frame", lambda: self._drawn(), timeout=15)

    def _drawn(self):
        img = self.grab()
        return has_colour(img, 0, 0, self.layout.u(30), self.height, ACCENT, 20, 4)

    def _find_window(self):
        if self.proc.poll() is not None:
            fail("the launcher exited early with code %d" % self.proc.returncode)
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + WINDOW_TITLE + "$"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        ids = r.stdout.split()
        return ids[0] if ids else None

    def geometry(self):
        out = run(["xdotool", "getwindowgeometry", self.wid])
        for line in out.splitlines():
            if "Geometry:" in line:
                w, h = line.split()[-1].split("x")
                return int(w), int(h)
        fail("no geometry for window " + self.wid)

    def position(self):
        out = run(["xdotool", "getwindowgeometry", self.wid])
        for line in out.splitlines():
            if "Position:" in line:
                x, y = line.split()[1].split(",")
                return int(x), int(y)
        fail("no position for window " + self.wid)

    def move(self, x, y):
        run(["xdotool", "mousemove", "--window", self.wid, str(int(x)), str(int(y))])

    def click(self, x, y):
        """Moves, lets a frame see the hover, then presses and releases the left button."""
        self.move(x, y)
        self.frames(2)
        run(["xdotool", "mousedown", "--window", self.wid, "1"])
        self.frames(1)
        run(["xdotool", "mouseup", "--window", self.wid, "1"])
        self.frames(2)

    def click_at(self, point):
        self.click(point[0], point[1])

    def drag(self, x0, y0, x1, y1, steps=8):
        self.move(x0, y0)
        self.frames(2)
        run(["xdotool", "mousedown", "--window", self.wid, "1"])
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
            self.frames(1)
        run(["xdotool", "mouseup", "--window", self.wid, "1"])
        self.frames(2)

    def press(self, x, y):
        self.move(x, y)
        self.frames(2)
        run(["xdotool", "mousedown", "--window", self.wid, "1"])
        self.frames(2)

    def press_seen(self, x, y, rect):
        """Presses and waits until the rectangle shows the press."""
        self.move(x, y)
        self.frames(2)
        before = crop(self.grab(), *rect)
        run(["xdotool", "mousedown", "--window", self.wid, "1"])
        self.wait_image("the control to take the press", lambda i: crop(i, *rect) != before)
        self.settle(rect)

    def move_seen(self, x, y, rect):
        """Moves with the button held and waits until the rectangle shows it: a move and a release that
        reach the library in one frame would drop the move."""
        before = self.settle(rect)
        self.move(x, y)
        self.wait_image("the control to follow the pointer", lambda i: crop(i, *rect) != before)
        self.settle(rect)

    def settle(self, rect, timeout=10.0):
        """Waits until the rectangle looks the same in two grabs in a row and returns that look: a control
        may take a press or a move over more than one frame (its colour first, then its value)."""
        last = [None]

        def steady():
            now = crop(self.grab(), *rect)
            same = now == last[0]
            last[0] = now
            return same
        wait_until("the control to settle", steady, timeout, interval=0.05)
        return last[0]

    def release(self):
        run(["xdotool", "mouseup", "--window", self.wid, "1"])
        self.frames(2)

    def type(self, text):
        run(["xdotool", "type", "--window", self.wid, "--delay", "30", text])
        self.frames(2)

    def key(self, *keys):
        run(["xdotool", "key", "--window", self.wid] + list(keys))
        self.frames(2)

    def frames(self, n):
        """Gives the launcher time for about n frames: the frame loop is paced by a 60 Hz present."""
        time.sleep(n / 60.0 + 0.02)

    def screenshot(self, name):
        path = artifact(name + ".png")
        run(["import", "-window", self.wid, path])
        return path

    def image(self, name):
        return read_image(self.screenshot(name))

    def grab(self):
        """The window's pixels now, without writing a file."""
        ppm = subprocess.run(["import", "-window", self.wid, "-depth", "8", "ppm:-"], check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
        return _parse_ppm(ppm)

    def wait_image(self, what, predicate, timeout=10.0):
        """Grabs frames until predicate(image) holds; returns that image."""
        found = []

        def check():
            img = self.grab()
            if predicate(img):
                found.append(img)
                return True
            return False
        wait_until(what, check, timeout, interval=0.02)
        return found[0]

    def responsive(self):
        """Shows that frames keep coming and input is handled: hovering a sidebar entry that is not
        selected lights its label, moving away puts it back."""
        page = 5 if near(pixel(self.grab(), *self.layout.accent_bar(0)), ACCENT, 12) else 0
        x, y = self.layout.nav(page)
        rect = (x - self.layout.u(70), y - self.layout.u(10), x + self.layout.u(40), y + self.layout.u(10))
        self.move(self.width - 10, self.height - 10)
        self.frames(3)
        calm = crop(self.grab(), *rect)
        self.move(x, y)
        self.wait_image("the hovered entry to light up", lambda i: crop(i, *rect) != calm)
        self.move(self.width - 10, self.height - 10)
        self.wait_image("the entry to go back", lambda i: crop(i, *rect) == calm)

    def nav(self, page):
        """Clicks a sidebar entry and waits until it shows as selected."""
        self.click_at(self.layout.nav(page))
        return self.wait_page(page)

    def wait_page(self, page):
        x, y = self.layout.accent_bar(page)
        return self.wait_image("page %d selected" % page, lambda img: near(pixel(img, x, y), ACCENT, 12))

    def bar(self, image=None):
        """The buttons of the current page's button bar, left to right, as click points."""
        img = image or self.grab()
        y = self.layout.bar_y()
        runs = bar_buttons(img, y, self.layout.ox + self.layout.W * 0.3, self.width - 1)
        return [((a + b) / 2.0, y) for a, b in runs]

    def close(self):
        """The chrome's close button; the launcher must end with code 0."""
        self.click_at(self.layout.chrome("close"))
        try:
            code = self.proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            self.kill()
            fail("the launcher did not exit after the close button")
        if self in _running:
            _running.remove(self)
        if code != 0:
            fail("exit code %d after close" % code)

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        if self in _running:
            _running.remove(self)


def main(tests):
    """Runs each test function in order, cleaning the prefix's state before each; exits non-zero on failure."""
    failed = 0
    started = time.monotonic()
    for test in tests:
        clean_state()
        name = test.__name__
        t0 = time.monotonic()
        try:
            test()
            print("[ OK ] %s (%.1f s)" % (name, time.monotonic() - t0))
        except Exception as e:  # noqa: BLE001 - report every failure the same way
            failed += 1
            where = traceback.extract_tb(e.__traceback__)
            line = next((f for f in reversed(where) if f.filename.endswith(sys.argv[0].split("/")[-1])), where[-1])
            print("[FAIL] %s: %s (line %d: %s)" % (name, e, line.lineno, line.line))
            for launcher in _running:
                try:
                    print("       screen: " + launcher.screenshot(name + "-failure"))
                except Exception:  # noqa: BLE001 - the window may be gone
                    pass
        finally:
            reset_log_pixels()
        sys.stdout.flush()
    clean_state()
    print("%d passed, %d failed (%.1f s)" % (len(tests) - failed, failed, time.monotonic() - started))
    sys.exit(1 if failed else 0)
