"""The settings window as the user meets it: opening it, choosing a zoom, closing it, the file it writes."""
import os
import subprocess
import tempfile
import time
import unittest

from vistak_e2e import Display, VistakTestCase, move_and_wait_geometry, poll

SPLASH_SIZE = (308, 383)
CAPTION = "Vistak by Pelmaro - Lurno"
CLIENT_SIZE = (637, 147)
# Without a window manager Wine's X window is the client area; with the frame at the screen's
# top-left corner (3-pixel dialog border, 19-pixel caption bar) the client starts here.
CLIENT_AT_CORNER = (3, 22)
BACKGROUND = (128, 128, 255)
# Client-area rectangles of the buttons (left, top, width, height).
ZOOM_BUTTONS = {
    "1.50": (192, 6), "2.00": (282, 6), "2.50": (370, 6), "3.00": (460, 6), "3.50": (548, 6),
    "4.00": (192, 56), "5.00": (282, 56), "6.00": (370, 56), "7.00": (460, 56), "8.00": (548, 56),
}
ZOOM_BUTTON_SIZE = (87, 46)
CHIUDI = (282, 104, 175, 41)
FINE = (460, 104, 175, 41)
READOUT = (12, 50, 175, 55)
# Spots of bare window background in the lower left, clear of a lens left standing under the tray.
BACKGROUND_SPOTS = [(60, 140), (150, 132), (240, 140), (636, 146)]

# What each zoom button writes, and the lens it gives with the pointer at 512, 384 on 1024 x 768.
ZOOM_TABLE = [
    ("1.50", b" 1.5 \r\n", (416, 403, 307, 58)),
    ("2.00", b" 2 \r\n", (384, 403, 410, 77)),
    ("2.50", b" 2.5 \r\n", (352, 403, 512, 96)),
    ("3.00", b" 3 \r\n", (320, 403, 614, 115)),
    ("3.50", b" 3.5 \r\n", (288, 403, 717, 134)),
    ("4.00", b" 4 \r\n", (256, 403, 819, 154)),
    ("5.00", b" 5 \r\n", (192, 403, 1024, 192)),
    ("6.00", b" 6 \r\n", (128, 403, 1024, 230)),
    ("7.00", b" 7 \r\n", (64, 403, 1024, 269)),
    ("8.00", b" 8 \r\n", (0, 403, 1024, 307)),
]
CENTRE = (512, 384)
LENS_AT_CENTRE = (352, 403, 512, 96)
ELSEWHERE = (700, 600)
LENS_ELSEWHERE = (540, 619, 512, 96)  # where a running lens of zoom 2.5 goes for ELSEWHERE


def centre_of(rect):
    return rect[0] + rect[2] // 2, rect[1] + rect[3] // 2


class SettingsSession(VistakTestCase):
    """A running Vistak on a private 1024 x 768 display, its splash clicked away, the lens following."""
    ENV = None
    FILE_BEFORE_START = None  # bytes of a Vistak.txt to leave in the program's folder

    def setUp(self):
        super().setUp()
        if self.FILE_BEFORE_START is not None:
            with open(os.path.join(self.folder, "Vistak.txt"), "wb") as out:
                out.write(self.FILE_BEFORE_START)
        self.display = Display(1024, 768).__enter__()
        self.addCleanup(self.display.__exit__, None, None, None)
        self.vistak = self.display.start_vistak(self.exe, env=self.ENV)
        splash = poll(lambda: self.sized(SPLASH_SIZE), timeout=60, what="the splash window")[0]
        self.display.click(splash[1] + 154, splash[2] + 100)
        self.lens = poll(lambda: self.sized((512, 96)), timeout=10, what="the lens window")[0][0]
        self.move_and_wait_lens(CENTRE, LENS_AT_CENTRE)

    # --- looking -------------------------------------------------------------------

    def sized(self, size):
        return self.display.windows(pid=self.vistak.pid, size=size)

    def lens_geometry(self):
        return self.display.geometry(self.lens)

    def move_and_wait_lens(self, pointer, expected, what="the lens to follow the pointer"):
        move_and_wait_geometry(self.display, self.lens, pointer, expected, what=what)

    def settings_windows(self):
        return self.display.windows(pid=self.vistak.pid, name=CAPTION)

    def wait_settings_at_corner(self):
        seen = []

        def at_corner():
            found = self.settings_windows()
            seen.append(found)
            return len(found) == 1 and found[0][1:5] == (*CLIENT_AT_CORNER, *CLIENT_SIZE) and found[0][0]

        try:
            return poll(at_corner, timeout=10, what="the settings window at the top-left corner")
        except AssertionError:
            self.fail(f"settings window not at the top-left corner: {seen[-1]}")

    def client_pixel(self, origin, point):
        return self.display.pixels(origin[0] + point[0], origin[1] + point[1], 1, 1)[0][0]

    def readout(self):
        """The white pixels of the black read-out, as a set of client-relative points."""
        x0, y0 = CLIENT_AT_CORNER[0] + READOUT[0], CLIENT_AT_CORNER[1] + READOUT[1]
        rows = self.display.pixels(x0, y0, READOUT[2], READOUT[3])
        black = sum(1 for row in rows for p in row if max(p) < 40)
        white = {(x, y) for y, row in enumerate(rows) for x, p in enumerate(row) if min(p) > 215}
        self.assertGreater(black, READOUT[2] * READOUT[3] // 2, "the read-out is not black")
        self.assertGreater(len(white), 150, "the read-out shows no text")
        return frozenset(white)

    def settled_readout(self):
        """The read-out once two screen grabs agree (it is set right after the window moves)."""
        last = []

        def stable():
            last.append(self.readout())
            return len(last) > 1 and last[-1] == last[-2]

        poll(stable, timeout=10, interval=0.2, what="a settled read-out")
        return last[-1]

    def tray_cell(self):
        """The pixels of the first icon cell of Wine's tray, or None when the tray is not shown."""
        trays = self.display.windows(name="Wine System Tray")
        if not trays:
            return None
        return self.display.pixels(trays[0][1], trays[0][2], 20, 20)

    @staticmethod
    def cell_empty(cell):
        return cell is None or len({p for row in cell for p in row}) == 1

    # --- doing ---------------------------------------------------------------------

    def open_with_f5(self):
        self.display.xdotool("windowfocus", self.lens)
        self.display.xdotool("key", "F5")
        return self.wait_settings_at_corner()

    def open_from_tray(self):
        trays = self.display.windows(name="Wine System Tray")
        self.assertTrue(trays, "no tray")
        self.assertFalse(self.cell_empty(self.tray_cell()), "no icon in the tray")
        self.display.xdotool("mousemove", trays[0][1] + 10, trays[0][2] + 10, "click", 3)
        settings = self.wait_settings_at_corner()
        # The tray menu opens with it; Escape closes the menu and leaves the settings window.
        self.display.xdotool("key", "Escape")
        poll(lambda: {w[0] for w in self.display.windows(pid=self.vistak.pid)} == {settings, self.lens},
             timeout=10, what="the tray menu to close")
        return settings

    def click_client(self, rect_or_point):
        point = centre_of(rect_or_point) if len(rect_or_point) == 4 else rect_or_point
        self.display.click(CLIENT_AT_CORNER[0] + point[0], CLIENT_AT_CORNER[1] + point[1])

    def click_zoom(self, caption):
        self.click_client((*ZOOM_BUTTONS[caption], *ZOOM_BUTTON_SIZE))

    def wait_settings_closed(self, wid):
        try:
            poll(lambda: self.display.geometry(wid) is None, timeout=15, what="the settings window to close")
        except AssertionError:
            path = os.path.join(tempfile.gettempdir(), f"vistak-e2e-settings-open-{os.getpid()}.png")
            self.display.screenshot(path)
            self.fail(f"the settings window did not close (screen saved in {path}; windows "
                      f"{self.display.windows()}, pointer {self.display.pointer()})")

    def wait_file(self, expected):
        seen = []

        def written():
            seen.append(self.settings_file())
            return seen[-1] == expected

        try:
            poll(written, timeout=10, what="the settings file")
        except AssertionError:
            self.fail(f"Vistak.txt holds {seen[-1]!r}, expected {expected!r}")

    def assert_lens_stands_still(self):
        """The lens keeps its place while the pointer moves; returns where it stands."""
        standing = self.lens_geometry()
        self.assertIsNotNone(standing, "the lens went away")
        self.assertNotEqual(standing, LENS_ELSEWHERE)
        self.display.move(*ELSEWHERE)
        deadline = time.monotonic() + 0.8
        while time.monotonic() < deadline:
            self.assertEqual(self.lens_geometry(), standing, "the lens follows the pointer behind the settings window")
            time.sleep(0.05)
        return standing

    def assert_running(self):
        self.assertIsNone(self.vistak.poll(), "Vistak ended")


class OpeningTest(SettingsSession):
    def test_tray_opens_settings_at_corner_and_pauses_lens_and_chiudi_saves_start_factor(self):
        settings = self.open_from_tray()
        for spot in BACKGROUND_SPOTS:
            self.assertEqual(self.client_pixel(CLIENT_AT_CORNER, spot), BACKGROUND, f"client point {spot}")
        self.assert_lens_stands_still()
        self.assertIsNone(self.settings_file(), "opening the settings window wrote the file")

        # CHIUDI's lower part stays clear of a lens left standing under the tray.
        self.click_client((CHIUDI[0] + 90, CHIUDI[1] + 33))
        self.wait_settings_closed(settings)
        self.wait_file(b" 2.5 \r\n")
        self.move_and_wait_lens(CENTRE, LENS_AT_CENTRE, "the lens to resume at zoom 2.5")
        self.move_and_wait_lens(ELSEWHERE, LENS_ELSEWHERE, "the lens to resume following the pointer")
        self.assert_running()

    def test_f5_opens_settings_showing_current_zoom_and_pauses_lens(self):
        settings = self.open_with_f5()
        start_readout = self.settled_readout()
        self.assert_lens_stands_still()
        self.click_zoom("2.00")
        self.wait_settings_closed(settings)
        self.wait_file(b" 2 \r\n")
        self.move_and_wait_lens(CENTRE, (384, 403, 410, 77), "the lens at zoom 2")

        settings = self.open_with_f5()
        self.assertNotEqual(self.settled_readout(), start_readout, "the read-out did not change after 2.00")
        self.click_zoom("2.50")
        self.wait_settings_closed(settings)
        self.wait_file(b" 2.5 \r\n")
        self.move_and_wait_lens(CENTRE, LENS_AT_CENTRE, "the lens back at zoom 2.5")

        settings = self.open_with_f5()
        self.assertEqual(self.settled_readout(), start_readout, "2.50 does not read as it did at start")
        self.click_client(CHIUDI)
        self.wait_settings_closed(settings)
        self.assert_running()

    def test_moved_settings_window_returns_to_corner_when_activated_again(self):
        settings = self.open_with_f5()
        self.display.xdotool("windowmove", settings, 100, 250)
        poll(lambda: self.display.geometry(settings) == (100, 250, *CLIENT_SIZE), timeout=10, what="the window moved away")
        # Activate the lens (clear of the settings window), then the settings window again.
        self.display.click(800, 480)
        time.sleep(0.3)
        self.assertEqual(self.display.geometry(settings), (100, 250, *CLIENT_SIZE), "a click on the lens moved it")
        self.display.click(100 + 100, 250 + 140)
        poll(lambda: self.display.geometry(settings) == (*CLIENT_AT_CORNER, *CLIENT_SIZE), timeout=10,
             what="the settings window back at the top-left corner")
        self.assert_lens_stands_still()
        self.click_client(CHIUDI)
        self.wait_settings_closed(settings)
        self.wait_file(b" 2.5 \r\n")
        self.move_and_wait_lens(CENTRE, LENS_AT_CENTRE, "the lens to resume")


class ZoomButtonsTest(SettingsSession):
    def test_each_zoom_button_saves_its_factor_and_resumes_lens_with_it(self):
        readouts = {"start": None}
        shown = "start"
        for caption, content, lens in ZOOM_TABLE:
            with self.subTest(zoom=caption):
                settings = self.open_with_f5()
                readouts[shown] = self.settled_readout()
                self.click_zoom(caption)
                self.wait_settings_closed(settings)
                self.wait_file(content)
                self.move_and_wait_lens(CENTRE, lens, f"the lens at zoom {caption}")
                shown = caption
        settings = self.open_with_f5()
        readouts[shown] = self.settled_readout()
        self.click_client(CHIUDI)
        self.wait_settings_closed(settings)
        self.wait_file(b" 8 \r\n")
        self.move_and_wait_lens(CENTRE, ZOOM_TABLE[-1][2], "the lens still at zoom 8 after CHIUDI")

        self.assertEqual(readouts.get("2.50"), readouts["start"], "2.50 chosen reads as 2.50 at start")
        factors = [caption for caption, _, _ in ZOOM_TABLE]
        self.assertEqual(len({readouts.get(c) for c in factors}), len(factors), "two factors read the same")
        self.assert_running()


class KeyboardTest(SettingsSession):
    # From "CHIUDI", which has the focus when the window opens: the keys that reach a zoom
    # button in tab order, the key that presses it, and what that zoom writes.
    PATHS = [
        (["Tab", "Tab", "Tab"], "Return", "2.00"),
        (["shift+Tab"], "space", "8.00"),
    ]

    def press(self, settings, *keys):
        self.display.xdotool("windowfocus", settings)
        for key in keys:
            self.display.xdotool("key", key)

    def test_escape_does_nothing_and_tab_with_enter_or_space_presses_a_zoom_button(self):
        settings = self.open_with_f5()
        self.press(settings, "Escape")
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            self.assertEqual(self.display.geometry(settings), (*CLIENT_AT_CORNER, *CLIENT_SIZE),
                             "Escape closed the settings window")
            self.assert_running()
            time.sleep(0.1)
        self.assertIsNone(self.settings_file(), "Escape saved the settings")
        self.click_client(CHIUDI)
        self.wait_settings_closed(settings)

        for moves, key, caption in self.PATHS:
            with self.subTest(keys=moves + [key]):
                settings = self.open_with_f5()
                self.press(settings, *moves, key)
                self.wait_settings_closed(settings)
                content, lens = next((c, g) for name, c, g in ZOOM_TABLE if name == caption)
                self.wait_file(content)
                self.move_and_wait_lens(CENTRE, lens, f"the lens at zoom {caption}")
        self.assert_running()


class ExistingFileTest(SettingsSession):
    FILE_BEFORE_START = b"3.00\r\nsomething else\r\n"

    def test_old_file_does_not_set_the_start_zoom_and_is_replaced_by_chiudi(self):
        # The session already saw the 512 x 96 lens of zoom 2.5.
        self.assertEqual(self.settings_file(), self.FILE_BEFORE_START)
        settings = self.open_with_f5()
        self.assertEqual(self.settings_file(), self.FILE_BEFORE_START)
        self.click_client(CHIUDI)
        self.wait_settings_closed(settings)
        self.wait_file(b" 2.5 \r\n")
        self.move_and_wait_lens(CENTRE, LENS_AT_CENTRE, "the lens to resume at zoom 2.5")


def italian_locale_installed():
    names = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().split()
    return "it_it.utf8" in names


@unittest.skipUnless(italian_locale_installed(), "needs the it_IT.UTF-8 locale (localedef -i it_IT -f UTF-8 it_IT.UTF-8)")
class CommaLocaleTest(SettingsSession):
    ENV = {"LC_ALL": "it_IT.UTF-8"}

    def test_factor_is_saved_with_a_decimal_comma(self):
        settings = self.open_with_f5()
        self.click_zoom("1.50")
        self.wait_settings_closed(settings)
        self.wait_file(b" 1,5 \r\n")
        self.move_and_wait_lens(CENTRE, (416, 403, 307, 58), "the lens at zoom 1.5")
        settings = self.open_with_f5()
        self.click_zoom("8.00")
        self.wait_settings_closed(settings)
        self.wait_file(b" 8 \r\n")


if __name__ == "__main__":
    unittest.main()
