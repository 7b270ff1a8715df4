"""A user's way through the launcher from the first start to a join after a restart, with the exact bytes it
leaves on disk; then the launcher against damaged, unwritable and oversized state."""
import os
import re

import lark
from lark import ACCENT, SUCCESS, near, pixel

FOLDER = "version-4f2a9c1e7b3d"
LINK = "https://www.roblox.com/games/1818/Classic?privateServerLinkCode=Ab-9_z"
ROW = b"Private server 1818\t1818\tAb-9_z\t\n"


def data(name):
    return os.path.join(lark.data_dir(), name)


def visible_badge(img, lay, row):
    x0, y0, x1, y1 = lay.instance_badge(row)
    return lark.has_tint(img, x0, y0, x1, y1, SUCCESS, pixel(img, x0 - 2, y0 - 1))


def test_first_start_to_join_after_restart():
    app = lark.Launcher()
    lay = app.layout
    lark.expect_journal(0, ["session open"])

    # A player version appears; DETECT ROBLOX finds it.
    folder = lark.install_standin(FOLDER)
    exe = lark.windows_path(os.path.join(folder, "RobloxPlayerBeta.exe"))
    flag_file = os.path.join(folder, "ClientSettings", "ClientAppSettings.json")
    app.click_at(lay.dash("detect"))
    lark.wait_journal("1 installation(s) detected")

    # Frame rate 150 and quality 5 on the Roblox page, then APPLY.
    app.nav(1)
    app.press_seen(lay.slider_x(80), lay.slider_y(), lay.slider_rect())
    app.move_seen(lay.slider_x(158), lay.slider_y(), lay.slider_rect())
    app.release()
    lark.wait_setting("fps", "150")
    app.click_at(lay.roblox("quality"))
    app.key(*(["Up"] * 5))
    app.key("Return")
    lark.wait_setting("quality", "5")
    app.click_at(lay.roblox("apply"))
    lark.wait_journal("flags written: 150 fps / quality 5")
    assert lark.read_bytes(flag_file) == lark.flag_file_text(150, 5)

    # LAUNCH ROBLOX writes the flags again, starts the player; the scan lists it within about 3 s.
    app.nav(0)
    mark = len(lark.journal_lines())
    app.click_at(lay.dash("launch"))
    lark.expect_journal(mark, ["flags written: 150 fps / quality 5", "roblox launched / 2.641.0.1"])
    record = lark.wait_record(folder)
    assert record["client_settings"] == "present" and record["args"] == "", "player record %r" % record
    # The second apply found the launcher's own file and kept it as the backup.
    assert lark.read_bytes(flag_file + ".larkspire.bak") == lark.flag_file_text(150, 5)
    pid = record["pid"]
    lark.wait_foreground(pid)
    app.nav(3)
    assert str(lark.window_state()["foreground_pid"]) != pid, "the launcher did not come to the front"
    app.wait_image("the player on the Instances page", lambda i: visible_badge(i, lay, 0), timeout=6)
    app.click_at(lay.instance_row(0, "focus"))
    lark.wait_journal("window focused / pid " + pid)
    app.click_at(app.bar()[1])
    lark.wait_journal("1 instance(s) closed")
    app.wait_image("the list emptied", lambda i: not visible_badge(i, lay, 0))
    assert lark.probe("alive", pid)[0] != 0, "the player still runs after CLOSE ALL"

    # A private-server link from the clipboard, saved with ADD.
    lark.set_clipboard(LINK)
    app.nav(2)
    app.click_at(app.bar()[0])
    lark.wait_journal("link pasted / place 1818")
    app.click_at(lay.links("add"))
    lark.wait_journal("link added / Private server 1818")
    first_session = lark.journal_lines()
    app.close()

    # After a restart the saved link joins, and RESTORE puts the backup back.
    recorder = lark.make_recorder()
    lark.register_url_handler(os.path.join(recorder, "recorder.exe"))
    app = lark.Launcher()
    lark.expect_journal(len(first_session), ["session open", "installation selected: 2.641.0.1"])
    app.nav(2)
    app.click_at(lay.link_row(0, "join"))
    lark.wait_journal("join requested / Private server 1818")
    assert lark.wait_record(recorder)["args"] == '"roblox://placeId=1818&linkCode=Ab-9_z"'
    app.nav(1)
    app.click_at(lay.roblox("restore"))
    lark.wait_journal("flags restored")
    assert lark.read_bytes(flag_file) == lark.flag_file_text(150, 5)
    assert not os.path.exists(flag_file + ".larkspire.bak")
    img = app.nav(4)
    assert lark.log_rows(img, lay) == [0, 0, 1, 1], "log rows %r" % lark.log_rows(img, lay)
    app.close()

    expected = ["session open", "1 installation(s) detected", "flags written: 150 fps / quality 5",
                "flags written: 150 fps / quality 5", "roblox launched / 2.641.0.1", "window focused / pid " + pid,
                "1 instance(s) closed", "link pasted / place 1818", "link added / Private server 1818",
                "session open", "installation selected: 2.641.0.1", "join requested / Private server 1818",
                "flags restored"]
    journal = lark.read_bytes(data("journal.log"))
    assert re.fullmatch(rb"(\d\d:[0-5]\d:[0-5]\d  [^\r\n]*\r\n)*", journal), "journal.log format %r" % journal
    assert lark.journal_lines() == expected, "journal %r" % lark.journal_lines()
    assert lark.read_bytes(data("settings.ini")) == lark.settings_text(install=exe, fps=150, quality=5)
    assert lark.read_bytes(data("links.tsv")) == ROW
    assert sorted(os.listdir(lark.data_dir())) == ["journal.log", "links.tsv", "settings.ini"]


def test_garbage_files_are_kept_and_restored():
    junk = bytes(range(256)) * 16 + b"\r\n=fps=\n==quality=-99\nflags\ninstall=\xff\xfe\nargs=\x00|\t\r\n"
    folder = lark.install_standin(FOLDER)
    flag_file = os.path.join(folder, "ClientSettings", "ClientAppSettings.json")
    lark.write_bytes(data("settings.ini"), junk)
    lark.write_bytes(data("links.tsv"), junk[::-1])
    lark.write_bytes(flag_file, junk)

    app = lark.Launcher()
    lay = app.layout
    lark.expect_journal(0, ["session open", "installation selected: 2.641.0.1"])
    for page in (1, 2, 3, 4, 5, 0):
        app.nav(page)
    app.responsive()
    app.close()
    for name, content in (("settings.ini", junk), ("links.tsv", junk[::-1])):
        assert lark.read_bytes(data(name)) == content, name + " changed"
    assert lark.read_bytes(flag_file) == junk, "flag file changed"

    # APPLY keeps the damaged file as the backup; RESTORE puts it back byte for byte.
    app = lark.Launcher("--page=1")
    app.click_at(lay.roblox("apply"))
    lark.wait_journal("flags written: 240 fps / quality 10")
    assert lark.read_bytes(flag_file + ".larkspire.bak") == junk
    assert lark.read_bytes(flag_file) == lark.flag_file_text(240, 10)
    app.click_at(lay.roblox("restore"))
    lark.wait_journal("flags restored")
    assert lark.read_bytes(flag_file) == junk and not os.path.exists(flag_file + ".larkspire.bak")
    app.close()


def test_read_only_data_directory():
    lark.write_bytes(data("settings.ini"), lark.settings_text(fps=60))
    lark.write_bytes(data("links.tsv"), b"Mine\t42\t\t\n")
    lark.write_bytes(data("journal.log"), b"10:00:00  session open\r\n")
    lark.make_read_only(lark.data_dir())
    before = lark.tree_listing(lark.data_dir())

    app = lark.Launcher()
    lay = app.layout
    # The journal lives in memory: the Log page shows the start line.
    img = app.nav(4)
    assert lark.log_rows(img, lay) == [0], "log rows %r" % lark.log_rows(img, lay)
    # A change of settings is dropped silently; ADD reports the failed save in red, then its success.
    app.nav(1)
    app.click_at(lay.roblox("toggle"))
    app.nav(2)
    app.click_at(lay.links("place"))
    app.type("77")
    app.click_at(lay.links("add"))
    x, y = lay.link_row(1, "join")
    app.wait_image("the second saved server", lambda i: near(pixel(i, x - 38, y), ACCENT, 12))
    img = app.nav(4)
    assert lark.log_rows(img, lay) == [0, 3, 1], "log rows %r" % lark.log_rows(img, lay)
    app.responsive()
    app.close()
    assert lark.tree_listing(lark.data_dir()) == before, "the read-only data directory changed"


def test_long_link_many_links_many_installations():
    versions = ["2.641.0.1", "2.640.5.123", "2.99.0.0", "1.0.0.0", "noversion"]
    for i in range(50):
        lark.install_standin("version-%03d" % i, versions[i % 5])
    rows = b"".join(b"Server %d\t%d\tcode-%d\tnote %d\n" % (i, 1000 + i, i, i) for i in range(1000))
    lark.write_bytes(data("links.tsv"), rows)

    app = lark.Launcher("--page=1")
    lay = app.layout
    # Newest version first.
    lark.expect_journal(0, ["session open", "installation selected: 2.641.0.1"])
    app.click_at(app.bar()[0])
    lark.wait_journal("50 installation(s) detected")
    app.responsive()

    img = app.nav(2)
    x, y = lay.link_row(0, "join")
    assert near(pixel(img, x - 38, y), ACCENT, 12), "no first saved server"
    app.responsive()

    # 100 KB on the clipboard: the place and the code come from the whole text, the boxes keep their size.
    code = "Q" * 200
    lark.set_clipboard("https://www.roblox.com/games/4242/" + "x" * 100000 + "?privateServerLinkCode=" + code)
    app.click_at(app.bar()[0])
    lark.wait_journal("link pasted / place 4242")
    app.responsive()
    app.click_at(lay.links("add"))
    lark.wait_journal("link added / Private server 4242")
    # The Dashboard's box kept the first 511 bytes: the place, but not the code far behind it.
    recorder = lark.make_recorder()
    lark.register_url_handler(os.path.join(recorder, "recorder.exe"))
    app.nav(0)
    app.click_at(lay.dash("join"))
    lark.wait_journal("join requested / place 4242")
    assert lark.wait_record(recorder)["args"] == '"roblox://placeId=4242"'
    app.close()
    assert lark.read_bytes(data("links.tsv")) == rows + b"Private server 4242\t4242\t" + b"Q" * 95 + b"\t\n"
    assert lark.read_bytes(data("settings.ini")) is None, "settings written without a change"


if __name__ == "__main__":
    lark.main([test_first_start_to_join_after_restart, test_garbage_files_are_kept_and_restored,
               test_read_only_data_directory, test_long_link_many_links_many_installations])
