"""Drives the real launcher window under Wine and Xvfb, as a person would: xdotool moves and clicks,
the checks read the files, the journal and the pixels. Every wait polls against a deadline.

The environment comes from scripts/test.sh (a private WINEPREFIX and DISPLAY for the run) and from
CTest (LARK_EXE, LARK_FIXTURE_DIR, LARK_BUILD_DIR)."""
import os
import shutil
import struct
import subprocess
import sys
import time

EXE = os.environ.get("LARK_EXE", "")
FIXTURES = os.environ.get("LARK_FIXTURE_DIR", "")
ARTIFACTS = os.environ.get("LARK_ARTIFACTS", os.path.join(os.environ.get("LARK_BUILD_DIR", "/tmp"), "artifacts"))
WINDOW_TITLE = "Larkspire's Launcher"


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


def local_appdata():
    """The prefix's %LOCALAPPDATA% as a Linux path (the launcher's data and the player roots live there)."""
    global _local_appdata
    if _local_appdata is None:
        out = run(["wine", "cmd", "/c", "echo", "%LOCALAPPDATA%"]).strip().splitlines()[-1].strip()
        _local_appdata = unix_path(out)
    return _local_appdata


def data_dir():
    return os.path.join(local_appdata(), "Larkspire", "Launcher")


def versions_root():
    return os.path.join(local_appdata(), "Roblox", "Versions")


def clean_state():
    """Removes the launcher's data and any player installation from the run's prefix."""
    for path in (os.path.join(local_appdata(), "Larkspire"), os.path.join(local_appdata(), "Roblox")):
        if os.path.isdir(path):
            subprocess.run(["chmod", "-R", "u+w", path], check=False)
            shutil.rmtree(path)


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def journal_lines():
    data = read_bytes(os.path.join(data_dir(), "journal.log"))
    if not data:
        return []
    return [line[10:] for line in data.decode("utf-8", "replace").split("\r\n") if line]


def wait_journal(text, timeout=15.0, after=0):
    """Waits until journal.log holds a line whose text (after the time) equals `text`, past index `after`."""
    return wait_until("journal line %r" % text, lambda: text in journal_lines()[after:], timeout)


# [SECTION] Images
def read_image(path):
    """Returns (width, height, rgb bytes) of any image ImageMagick reads."""
    ppm = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "ppm:-"], check=True, stdout=subprocess.PIPE).stdout
    parts = ppm.split(maxsplit=4)
    w, h = int(parts[1]), int(parts[2])
    return w, h, parts[4][: w * h * 3]


def pixel(image, x, y):
    w, h, data = image
    i = (int(y) * w + int(x)) * 3
    return data[i], data[i + 1], data[i + 2]


def near(rgb, expected, tolerance=10):
    return all(abs(a - b) <= tolerance for a, b in zip(rgb, expected))


def to_png(path):
    png = os.path.splitext(path)[0] + ".png"
    subprocess.run(["/usr/bin/convert", path, png], check=True)
    return png


def artifact(name):
    os.makedirs(ARTIFACTS, exist_ok=True)
    return os.path.join(ARTIFACTS, name)


# [SECTION] The launcher
class Launcher:
    """One running launcher. Coordinates are client pixels at scale 1 (the X window is the client area)."""

    def __init__(self, *args, env=None):
        self.proc = subprocess.Popen(["wine", EXE] + list(args), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, env=env)
        self.wid = wait_until("the launcher window", self._find_window, timeout=30)
        self.width, self.height = self.geometry()

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

    def drag(self, x0, y0, x1, y1, steps=8):
        self.move(x0, y0)
        self.frames(2)
        run(["xdotool", "mousedown", "--window", self.wid, "1"])
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
            self.frames(1)
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

    def close(self):
        """The chrome's close button; the launcher must end with code 0."""
        self.click(self.width - 26, 30)
        try:
            code = self.proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            fail("the launcher did not exit after the close button")
        if code != 0:
            fail("exit code %d after close" % code)

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def main(tests):
    """Runs each test function in order, cleaning the prefix's state before each; exits non-zero on failure."""
    failed = 0
    for test in tests:
        clean_state()
        name = test.__name__
        try:
            test()
            print("[ OK ] " + name)
        except Exception as e:  # noqa: BLE001 - report every failure the same way
            failed += 1
            print("[FAIL] %s: %s" % (name, e))
    print("%d passed, %d failed" % (len(tests) - failed, failed))
    sys.exit(1 if failed else 0)
