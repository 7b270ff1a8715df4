"""The pages driven through the window on a stand-in installation: detection, the launch settings and the
flag file, launching and controlling a player, the log, pasting, saving and joining a link; and every page
with nothing to show."""
import os

import lark
from lark import ACCENT, CARD, GREY, PANEL, SUCCESS, near, pixel

FOLDER = "version-4f2a9c1e7b3d"
PAGES = ["dashboard", "roblox", "links", "instances", "log", "about"]


def glance_instances_green(img, lay):
    return lark.has_tint(img, *lay.glance_count(1), SUCCESS, PANEL)


def badge_visible(img, lay, row):
    x0, y0, x1, y1 = lay.instance_badge(row)
    ground = pixel(img, x0 - 2, y0 - 1)   # the badge's own fill: success green at alpha 18 over the card
    return lark.has_tint(img, x0, y0, x1, y1, SUCCESS, ground)


def test_roblox_page_detect_settings_and_flags():
    app = lark.Launcher()
    lay = app.layout
    lark.expect_journal(0, ["session open"])
    img = app.nav(1)
    x, y = lay.roblox("row0")
    assert not near(pixel(img, lay.ox + lay.u(17), y), ACCENT, 30), "a row is shown without an installation"

    folder = lark.install_standin(FOLDER)
    detect = app.bar()[0]
    app.click_at(detect)
    lark.expect_journal(0, ["session open", "1 installation(s) detected"])
    # The new row is drawn selected: the accent bar on its left edge.
    app.wait_image("the detected row", lambda i: near(pixel(i, lay.ox + lay.u(17), y), ACCENT, 12))

    # A click on the row selects it again: saved and journalled.
    app.click_at(lay.roblox("row0"))
    lark.wait_journal("installation selected: 2.641.0.1", after=2)
    exe = lark.windows_path(os.path.join(folder, "RobloxPlayerBeta.exe"))
    lark.wait_until("settings.ini", lambda: lark.read_bytes(os.path.join(lark.data_dir(), "settings.ini"))
                    == lark.settings_text(install=exe))
    saved = lark.read_bytes(os.path.join(lark.data_dir(), "settings.ini"))

    # Frame-rate slider: nothing is written while it moves; on release a multiple of 10 (158 gives 150).
    sy = lay.slider_y()
    app.press_seen(lay.slider_x(80), sy, lay.slider_rect())
    for value in (100, 130, 158):
        app.move_seen(lay.slider_x(value), sy, lay.slider_rect())
        assert lark.read_bytes(os.path.join(lark.data_dir(), "settings.ini")) == saved, "written during the drag"
    app.release()
    lark.wait_setting("fps", "150")

    # Quality combo: open it, pick "5 / medium" with the keys, saved at once.
    app.click_at(lay.roblox("quality"))
    app.key(*(["Up"] * 5))
    app.key("Return")
    lark.wait_setting("quality", "5")

    # The write-flags switch saves at once.
    app.click_at(lay.roblox("toggle"))
    lark.wait_setting("flags", "0")

    # Extra arguments: every keystroke is saved.
    app.click_at(lay.roblox("args"))
    typed = ""
    for ch in " -a b":
        app.type(ch)
        typed += ch
        lark.wait_setting("args", typed)

    # APPLY on a version without a flag file writes the five-line file, no backup; RESTORE removes it.
    flag_file = os.path.join(folder, "ClientSettings", "ClientAppSettings.json")
    status_missing = lark.crop(app.grab(), *lay.flag_status())
    mark = len(lark.journal_lines())
    app.click_at(lay.roblox("apply"))
    lark.wait_journal("flags written: 150 fps / quality 5", after=mark)
    assert lark.read_bytes(flag_file) == lark.flag_file_text(150, 5), "flag file %r" % lark.read_bytes(flag_file)
    assert not os.path.exists(flag_file + ".larkspire.bak")
    app.wait_image("the status line to change", lambda i: lark.crop(i, *lay.flag_status()) != status_missing)
    app.click_at(lay.roblox("restore"))
    lark.wait_journal("flags restored", after=mark)
    assert not os.path.exists(flag_file)
    app.wait_image("the status line back to missing", lambda i: lark.crop(i, *lay.flag_status()) == status_missing)
    assert lark.read_bytes(os.path.join(lark.data_dir(), "settings.ini")) == lark.settings_text(
        install=exe, fps=150, quality=5, flags=0, args=" -a b")
    app.close()


def test_launch_focus_close_and_clear_log():
    folder = lark.install_standin(FOLDER)
    exe = lark.windows_path(os.path.join(folder, "RobloxPlayerBeta.exe"))
    lark.write_bytes(os.path.join(lark.data_dir(), "settings.ini"),
                     lark.settings_text(install=exe, flags=0, args="  -x  y "))
    app = lark.Launcher()
    lay = app.layout
    lark.expect_journal(0, ["session open", "installation selected: 2.641.0.1"])
    img = app.grab()
    assert not glance_instances_green(img, lay), "INSTANCES count green with no player"

    app.click_at(lay.dash("launch"))
    lark.wait_journal("roblox launched / 2.641.0.1")
    record = lark.wait_record(folder)
    assert record["args"] == "-x  y", "player arguments %r" % record["args"]
    assert record["cwd"].lower() == lark.windows_path(folder).lower(), "working directory %r" % record["cwd"]
    assert record["client_settings"] == "missing", "flags written with the switch off"
    pid = record["pid"]
    lark.wait_foreground(pid)

    # The periodic scan finds it within about three seconds: the count turns green, the page lists it.
    app.wait_image("the INSTANCES count in green", lambda i: glance_instances_green(i, lay), timeout=8)
    img = app.nav(3)
    assert badge_visible(img, lay, 0), "no VISIBLE badge on the first row"
    assert not badge_visible(img, lay, 1), "a second row"

    assert str(lark.window_state()["foreground_pid"]) != pid, "the launcher did not come to the front"
    mark = len(lark.journal_lines())
    app.click_at(lay.instance_row(0, "focus"))
    lark.wait_journal("window focused / pid " + pid, after=mark)
    assert str(lark.window_state()["foreground_pid"]) == pid, "the player's window is not in front"
    app.click_at(lay.instance_row(0, "close"))
    lark.wait_journal("instance closed / pid " + pid, after=mark)
    assert lark.probe("alive", pid)[0] != 0, "the player still runs"
    img = app.wait_image("the row to go", lambda i: not badge_visible(i, lay, 0))
    assert not glance_instances_green(img, lay)

    # CLEAR leaves the one line "log cleared"; journal.log keeps every line.
    img = app.nav(4)
    before = lark.journal_lines()
    assert lark.log_rows(img, lay) == [0, 0, 1, 1, 1], "log rows %r" % lark.log_rows(img, lay)
    app.click_at(app.bar(img)[0])
    app.wait_image("one log line", lambda i: lark.log_rows(i, lay) == [0])
    lark.expect_journal(0, before + ["log cleared"])
    app.close()


def test_paste_add_and_join_link():
    recorder = lark.make_recorder()
    lark.register_url_handler(os.path.join(recorder, "recorder.exe"))
    link = "https://www.roblox.com/games/1818/Classic?privateServerLinkCode=Ab-9_z"
    lark.set_clipboard(link)
    app = lark.Launcher()
    lay = app.layout
    box = lay.dash_link_box()
    empty_box = lark.crop(app.grab(), *box)

    app.click_at(lay.dash("paste"))
    lark.wait_journal("link pasted / place 1818")
    app.wait_image("the link in the box", lambda i: lark.crop(i, *box) != empty_box)

    app.nav(2)
    app.click_at(lay.links("add"))
    lark.wait_journal("link added / Private server 1818")
    tsv = os.path.join(lark.data_dir(), "links.tsv")
    assert lark.read_bytes(tsv) == b"Private server 1818\t1818\tAb-9_z\t\n", "links.tsv %r" % lark.read_bytes(tsv)

    app.click_at(lay.link_row(0, "join"))
    lark.wait_journal("join requested / Private server 1818")
    record = lark.wait_record(recorder)
    assert record["args"] == '"roblox://placeId=1818&linkCode=Ab-9_z"', "address %r" % record["args"]
    lark.stop_standins()

    # The Dashboard's JOIN parses the pasted text still in the box.
    app.nav(0)
    app.click_at(lay.dash("join"))
    lark.wait_journal("join requested / place 1818")
    record = lark.wait_record(recorder)
    assert record["args"] == '"roblox://placeId=1818&linkCode=Ab-9_z"', "address %r" % record["args"]
    app.close()
    assert lark.read_bytes(tsv) == b"Private server 1818\t1818\tAb-9_z\t\n"


def test_empty_state_pages():
    app = lark.Launcher()
    lay = app.layout
    lark.expect_journal(0, ["session open"])
    shots = {}
    for page in [1, 2, 3, 4, 5, 0]:
        img = app.nav(page)
        app.screenshot("empty-%d-%s" % (page, PAGES[page]))
        shots[page] = img
    # The three lists show their grey "nothing here" line where the first row would be.
    top = lay.cards_top() + lay.u(36)
    for page in (1, 2, 3):
        assert lark.has_tint(shots[page], lay.ox + lay.u(16), top, lay.ox + lay.u(200), top + lay.u(20), GREY, CARD), \
            "no empty note on the %s page" % PAGES[page]
    assert not near(pixel(shots[1], lay.ox + lay.u(17), lay.roblox("row0")[1]), ACCENT, 30)
    assert not badge_visible(shots[3], lay, 0)
    assert lark.log_rows(shots[4], lay) == [0], "log rows %r" % lark.log_rows(shots[4], lay)
    assert not glance_instances_green(shots[0], lay)
    app.close()
    assert lark.journal_lines() == ["session open"]
    assert not os.path.exists(os.path.join(lark.data_dir(), "links.tsv"))


if __name__ == "__main__":
    lark.main([test_roblox_page_detect_settings_and_flags, test_launch_focus_close_and_clear_log,
               test_paste_add_and_join_link, test_empty_state_pages])
