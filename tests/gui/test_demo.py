"""Demo mode through the window: every refusal adds one information line, the sample data stays, the
status line answers without the disk, and nothing reaches the data directory. With --demo there is no
journal.log, so the lines are read from the Log page: the level dots count them and give their levels,
and rows of equal text render to equal pixels."""
import os
import time

import lark
from lark import ACCENT, MUTED, SUCCESS, near, pixel

PAGES = ["dashboard", "roblox", "links", "instances", "log", "about"]
SAMPLE_LEVELS = [0, 0, 1, 1, 0]


def header_badge_left(img, app):
    """The leftmost green pixel of the header badge: its dot sits 10 left of the text's start."""
    ground = pixel(img, app.width - 200, 50)
    for x in range(app.width - 160, app.width - 20):
        for y in range(58, 76):
            if lark.tinted(pixel(img, x, y), SUCCESS, ground):
                return x
    return None


def log_texts(app, count):
    """Checks the Log page shows `count` rows and returns the text pixels of each row."""
    lay = app.layout
    img = app.nav(4)
    rows = lark.log_rows(img, lay)
    assert len(rows) == count, "log rows %r, expected %d" % (rows, count)
    return rows, [lark.crop(img, *lay.log_text(i)) for i in range(count)]


def clear_log(app):
    app.click_at(app.bar()[0])
    app.wait_image("the log cleared", lambda i: lark.log_rows(i, app.layout) == [0])


def assert_classes(texts, groups, what):
    """Rows within a group render alike, rows of different groups differ."""
    for group in groups:
        for i in group[1:]:
            assert texts[i] == texts[group[0]], "%s: rows %d and %d differ" % (what, group[0], i)
    firsts = [texts[g[0]] for g in groups]
    assert len(set(firsts)) == len(firsts), "%s: different texts render alike" % what


def badge(img, lay, row, colour):
    x0, y0, x1, y1 = lay.instance_badge(row)
    return lark.has_tint(img, x0, y0, x1, y1, colour, pixel(img, x0 - 2, y0 - 1))


def status_references():
    """The status line of a real version, with flag file and backup, then with neither."""
    folder = lark.install_standin("version-4f2a9c1e7b3d")
    flag_file = os.path.join(folder, "ClientSettings", "ClientAppSettings.json")
    lark.write_bytes(flag_file, b"{}")
    lark.write_bytes(flag_file + ".larkspire.bak", b"{}")
    app = lark.Launcher("--page=1")
    rect = app.layout.flag_status()
    present = lark.crop(app.grab(), *rect)
    os.remove(flag_file)
    os.remove(flag_file + ".larkspire.bak")
    img = app.wait_image("the status to read missing", lambda i: lark.crop(i, *rect) != present)
    missing = lark.crop(img, *rect)
    app.close()
    lark.clean_state()
    return present, missing


def test_refusals_add_one_line_each():
    present, missing = status_references()
    larkspire = os.path.join(lark.local_appdata(), "Larkspire")
    assert not os.path.exists(larkspire)

    app = lark.Launcher("--demo")
    lay = app.layout
    img = app.grab()
    left = header_badge_left(img, app)
    assert left is not None and left < app.width - 80, "no DEMO MODE badge (green from x=%r)" % left
    u = lay.u
    assert lark.has_tint(img, u(160), app.height - u(38), u(216), app.height - u(24), SUCCESS, lark.SIDEBAR), \
        "the sidebar footer does not say READY in green"
    rows, sample = log_texts(app, 5)
    assert rows == SAMPLE_LEVELS, "sample journal levels %r" % rows

    # Dashboard: JOIN, LAUNCH ROBLOX, PASTE, REFRESH, DETECT ROBLOX, PASTE A LINK.
    app.nav(0)
    for control in ("join", "launch", "paste", "refresh", "detect", "paste_link"):
        app.click_at(lay.dash(control))
    rows, texts = log_texts(app, 11)
    assert rows == SAMPLE_LEVELS + [0] * 6, "levels %r" % rows
    assert texts[:5] == sample, "the sample lines changed"
    join, launch, clipboard, sample_data = 5, 6, 7, 8
    assert_classes(texts, [[join], [launch], [clipboard, 10], [sample_data, 9]], "dashboard")
    kept = {"join": texts[join], "clipboard": texts[clipboard], "sample": texts[sample_data]}
    clear_log(app)

    # Links page: PASTE, JOIN on a saved server.
    app.nav(2)
    app.click_at(app.bar()[0])
    app.click_at(lay.link_row(0, "join"))
    rows, texts = log_texts(app, 3)
    assert rows == [0, 0, 0], "levels %r" % rows
    assert texts[1] == kept["clipboard"] and texts[2] == kept["join"], "links page lines differ from the dashboard's"
    clear_log(app)

    # Instances page: FOCUS, CLOSE, CLOSE ALL, REFRESH; the sample processes stay.
    img = app.nav(3)
    refresh, close_all = app.bar(img)
    app.click_at(lay.instance_row(0, "focus"))
    app.click_at(lay.instance_row(0, "close"))
    app.click_at(close_all)
    app.click_at(refresh)
    img = app.grab()
    assert badge(img, lay, 0, SUCCESS) and badge(img, lay, 1, MUTED), "sample processes changed"
    rows, texts = log_texts(app, 5)
    assert rows == [0] * 5, "levels %r" % rows
    assert_classes(texts, [[1], [2, 3], [4]], "instances page")
    assert texts[4] == kept["sample"], "REFRESH line differs from the dashboard's"
    assert len({texts[1], texts[2], kept["join"], kept["clipboard"], kept["sample"]}) == 5
    clear_log(app)

    # Roblox page: DETECT; then the second row's status is answered from the sample record.
    img = app.nav(1)
    assert lark.crop(img, *lay.flag_status()) == present, "first sample version: status is not present / .bak"
    app.click_at(app.bar(img)[0])
    app.click_at(lay.roblox("row1"))
    app.wait_image("the status of the second version", lambda i: lark.crop(i, *lay.flag_status()) == missing)
    rows, texts = log_texts(app, 3)
    assert rows == [0, 0, 0] and texts[1] == kept["sample"], "levels %r" % rows
    app.close()
    assert not os.path.exists(larkspire), "a demo run created the data directory"


def test_instances_page_start_and_untouched_data():
    # A data directory with the user's files: a demo run reads none and changes none.
    folder = lark.install_standin("version-4f2a9c1e7b3d")
    exe = lark.windows_path(os.path.join(folder, "RobloxPlayerBeta.exe"))
    lark.write_bytes(os.path.join(lark.data_dir(), "settings.ini"), lark.settings_text(install=exe, fps=60))
    lark.write_bytes(os.path.join(lark.data_dir(), "links.tsv"), b"Mine\t42\t\t\n")
    lark.write_bytes(os.path.join(lark.data_dir(), "journal.log"), b"10:00:00  session open\r\n")
    before = lark.tree_listing(os.path.join(lark.local_appdata(), "Larkspire"))

    started = time.monotonic()
    app = lark.Launcher("--demo", "--page=3")
    lay = app.layout
    img = app.grab()
    assert near(pixel(img, *lay.accent_bar(3)), ACCENT, 12), "the Instances page is not selected"
    assert badge(img, lay, 0, SUCCESS), "no VISIBLE badge on the first sample process"
    assert badge(img, lay, 1, MUTED) and not badge(img, lay, 1, SUCCESS), "second sample process not HIDDEN"
    assert not badge(img, lay, 2, MUTED), "a third process row"
    app.screenshot("demo-3-instances")
    for page in [0, 1, 2, 4, 5]:
        app.nav(page)
        app.screenshot("demo-%d-%s" % (page, PAGES[page]))

    # Commands without a demo check run in memory only.
    app.nav(2)
    app.click_at(lay.links("place"))
    app.type("77")
    app.click_at(lay.links("add"))
    x, y = lay.link_row(3, "join")
    app.wait_image("a fourth saved server", lambda i: near(pixel(i, x - 38, y), ACCENT, 12))   # left of the label
    app.nav(1)
    app.click_at(lay.roblox("row1"))
    app.click_at(lay.roblox("toggle"))
    app.nav(4)
    app.click_at(app.bar()[0])
    app.wait_image("the log cleared", lambda i: lark.log_rows(i, lay) == [0])
    # Past a scan period the sample processes are still listed: no periodic scan replaced them.
    lark.wait_until("a scan period", lambda: time.monotonic() - started > 3.5)
    img = app.nav(3)
    assert badge(img, lay, 0, SUCCESS) and badge(img, lay, 1, MUTED), "the sample processes are gone"
    assert lark.has_tint(img, *lay.glance_count(1), SUCCESS, lark.PANEL), "INSTANCES count not green"
    app.close()
    after = lark.tree_listing(os.path.join(lark.local_appdata(), "Larkspire"))
    assert after == before, "the data directory changed: %r" % sorted(
        set(after or {}) ^ set(before or {}) or [k for k in before if after.get(k) != before[k]])


if __name__ == "__main__":
    lark.main([test_refusals_add_one_line_each, test_instances_page_start_and_untouched_data])
