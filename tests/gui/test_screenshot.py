"""The --shot option: a real 24-frame run writes a 32-bit top-down BMP of the frame and exits 0."""
import os
import struct
import subprocess

import lark


def run_shot(*args):
    return subprocess.run(["wine", lark.EXE] + list(args), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=120).returncode


def test_bmp_header_and_pixels():
    path = lark.artifact("shot-header.bmp")
    if os.path.exists(path):
        os.remove(path)
    code = run_shot("--demo", "--shot=" + lark.win_path(path))
    assert code == 0, "exit code %d" % code
    data = lark.read_bytes(path)
    assert data is not None, "no screenshot written"
    (magic, size, r1, r2, offset, hsize, w, h, planes, bpp, comp, isize, xr, yr, used, important) = struct.unpack(
        "<2sIHHIIiiHHIIiiII", data[:54])
    header = (magic, size, r1, r2, offset, hsize, w, h, planes, bpp, comp, isize, xr, yr, used, important)
    assert w > 0 and h < 0, "top-down rows need a negative height: %r" % (header,)
    expected = (b"BM", 54 + w * -h * 4, 0, 0, 54, 40, w, h, 1, 32, 0, w * -h * 4, 0, 0, 0, 0)
    assert header == expected, "header %r, expected %r" % (header, expected)
    assert len(data) == size, "file is %d bytes, header says %d" % (len(data), size)
    # Pixels are B, G, R, A: the backdrop fill #08070C shows below the sidebar's brand area, right of the
    # sidebar, low in the body where no card reaches.
    def bgra(x, y):
        i = 54 + (y * w + x) * 4
        return data[i + 2], data[i + 1], data[i], data[i + 3]
    r, g, b, a = bgra(w - 40, -h - 45)
    assert lark.near((r, g, b), (8, 7, 12), 6), "body fill %r" % ((r, g, b),)


def test_missing_folder_exits_zero_without_file():
    missing = os.path.join(lark.artifact("no-such-folder"), "x", "shot.bmp")
    assert run_shot("--demo", "--shot=" + lark.win_path(missing)) == 0
    assert not os.path.exists(missing)


if __name__ == "__main__":
    lark.main([test_bmp_header_and_pixels, test_missing_folder_exits_zero_without_file])
