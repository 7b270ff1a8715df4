"""The window shell: sidebar navigation, the drag strip, the three window buttons, key colours, and the
whole window at 144 pixels per inch."""
import lark
from lark import ACCENT, BACKDROP, SIDEBAR, SUCCESS, near, pixel

PAGES = ["dashboard", "roblox", "links", "instances", "log", "about"]


def title_region(launcher):
    """The page label in the header (Display face, 26 high at (264, 48))."""
    u = launcher.layout.u
    return u(262), u(44), u(560), u(82)


def footer_ready(img, lay):
    """READY in success green, right-aligned to 214 in the sidebar's footer line (36 above the bottom)."""
    u = lay.u
    return lark.has_tint(img, u(160), lay.ch - u(38), u(216), lay.ch - u(24), SUCCESS, SIDEBAR)


def test_sidebar_switches_pages_and_key_colours():
    app = lark.Launcher()
    lay = app.layout
    img = app.grab()
    # The Dashboard is selected at start: its accent bar, and no other entry's.
    assert near(pixel(img, *lay.accent_bar(0)), ACCENT, 6), "accent bar %r" % (pixel(img, *lay.accent_bar(0)),)
    for page in range(1, 6):
        assert not near(pixel(img, *lay.accent_bar(page)), ACCENT, 40), "entry %d looks selected" % page
    # READY in success green right-aligned in the sidebar footer; the header badge too.
    assert footer_ready(img, app.layout), "sidebar READY not green"
    header = pixel(img, app.width - 90, 50)
    assert lark.has_tint(img, app.width - 80, 58, app.width - 26, 76, SUCCESS, header), "header READY not green"
    assert not lark.has_tint(img, app.width - 110, 58, app.width - 80, 76, SUCCESS, header), "header badge too wide"
    # The backdrop fill low in the body, the sidebar's own fill below the AT A GLANCE card.
    assert near(pixel(img, app.width - 40, app.height - 45), BACKDROP, 2), "body %r" % (
        pixel(img, app.width - 40, app.height - 45),)
    assert near(pixel(img, 120, 540), (12, 11, 17), 2), "sidebar %r" % (pixel(img, 120, 540),)

    titles = {0: lark.crop(img, *title_region(app))}
    for page in [1, 2, 3, 4, 5, 0]:
        before = page - 1 if page else 5
        img = app.nav(page)
        assert not near(pixel(img, *lay.accent_bar(before)), ACCENT, 40), "entry %d still selected" % before
        title = lark.crop(img, *title_region(app))
        if page in titles:
            assert title == titles[page], "the %s title changed between visits" % PAGES[page]
        else:
            assert title not in titles.values(), "the %s page shows an earlier title" % PAGES[page]
            titles[page] = title
    assert len(titles) == 6
    app.close()


def test_drag_maximise_minimise():
    app = lark.Launcher()
    lay = app.layout
    state = lark.window_state()
    left, top, right, bottom = state["window"]
    frame = (right - left - app.width) // 2
    assert (app.width, app.height) == state["client"], "X window %r vs client %r" % ((app.width, app.height),
                                                                                      state["client"])

    # Drag the strip: press, move past the drag threshold and let the system's move loop take over,
    # then move on; the window follows the pointer from where the move began.
    x0, y0 = app.position()
    start = (x0 + 600, y0 + 20)
    lark.run(["xdotool", "mousemove", str(start[0]), str(start[1])])
    app.frames(3)
    lark.run(["xdotool", "mousedown", "1"])
    app.frames(3)
    lark.run(["xdotool", "mousemove", str(start[0] + 10), str(start[1])])
    lark.wait_until("the system's move loop", lambda: lark.window_state()["moving"] == 1, timeout=5)
    for step in range(1, 5):
        lark.run(["xdotool", "mousemove", str(start[0] + 10 - 30 * step), str(start[1] + 20 * step)])
        expected = (x0 - 30 * step, y0 + 20 * step)
        lark.wait_until("the window at %r" % (expected,), lambda: app.position() == expected, timeout=5)
    lark.run(["xdotool", "mouseup", "1"])
    lark.wait_until("the move loop to end", lambda: lark.window_state()["moving"] == 0, timeout=5)
    assert app.position() == (x0 - 120, y0 + 80)
    moved = lark.window_state()["window"]
    assert moved == (left - 120, top + 80, right - 120, bottom + 80), "window rect %r" % (moved,)

    # Maximise fills the work area (the whole screen on Xvfb); a second click restores the rectangle.
    app.click_at(lay.chrome("max"))
    lark.wait_until("the maximised window", lambda: lark.window_state()["window"] == (0, 0, 1920, 1080), 5)
    assert app.geometry() == (1920 - 2 * frame, 1080 - 2 * frame)
    assert app.position() == (frame, frame)
    big = lark.Layout(1920 - 2 * frame, 1080 - 2 * frame)
    img = app.wait_image("a frame at the new size", lambda i: footer_ready(i, big))
    assert near(pixel(img, big.cw - 40, big.ch - 45), BACKDROP, 2)
    app.click_at(big.chrome("max"))
    lark.wait_until("the restored window", lambda: lark.window_state()["window"] == moved, 5)
    assert app.geometry() == (app.width, app.height)
    assert app.position() == (x0 - 120, y0 + 80)

    # Minimise, then restore from the outside: the frames come back at the former size.
    app.click_at(lay.chrome("min"))
    lark.wait_until("the minimised window", lambda: lark.window_state()["iconic"] == 1, 5)
    assert lark.probe("restore")[0] == 0
    state = lark.wait_until("the restored window", lambda: (lambda s: s if s["iconic"] == 0 else None)(
        lark.window_state()), 5)
    assert state["window"] == moved and state["client"] == (app.width, app.height), "after restore %r" % (state,)
    img = app.nav(4)
    assert footer_ready(img, lay), "footer not redrawn"
    assert near(pixel(img, app.width - 40, app.height - 45), BACKDROP, 2)
    app.close()


def test_pages_at_144_dpi():
    lark.set_log_pixels(144)
    app = lark.Launcher(scale=1.5)
    state = lark.window_state()
    # 1160 x 760 times 1.5, clipped to the 1920 x 1080 screen and centred.
    assert state["window"] == (90, 0, 1830, 1080), "window rect %r" % (state["window"],)
    lay = app.layout
    for page in [1, 2, 3, 4, 5, 0]:
        img = app.nav(page)
        x, y = lay.accent_bar(page)
        # The bar runs from 1.5 to 4.5 scaled pixels right of the item's 21 px inset: 22.5 .. 25.5.
        assert near(pixel(img, 24, y), ACCENT, 12), "scaled accent bar %r" % (pixel(img, 24, y),)
        assert not near(pixel(img, 16, y), ACCENT, 40), "accent bar at the unscaled place"
        app.screenshot("shell-150-%d-%s" % (page, PAGES[page]))
    assert footer_ready(img, lay), "sidebar READY not green at the scaled place"
    app.close()


if __name__ == "__main__":
    lark.main([test_sidebar_switches_pages_and_key_colours, test_drag_maximise_minimise, test_pages_at_144_dpi])
