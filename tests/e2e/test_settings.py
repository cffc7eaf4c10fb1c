"""The settings window as the user meets it: opening it, choosing a zoom, closing it, the file it writes."""
import subprocess
import unittest

import design
from vistak_e2e import Session, poll

ELSEWHERE = (700, 600)
LENS_ELSEWHERE = (540, 619, *design.LENS_SIZE)  # where a running lens of zoom 2.5 goes for ELSEWHERE


class SettingsCase(Session):
    def readout(self):
        """The white pixels of the black read-out, as a set of client-relative points."""
        x, y, width, height = design.READOUT
        rows = self.display.pixels(design.SETTINGS_AT_CORNER[0] + x, design.SETTINGS_AT_CORNER[1] + y, width, height)
        black = sum(1 for row in rows for p in row if max(p) < 40)
        white = frozenset((x, y) for y, row in enumerate(rows) for x, p in enumerate(row) if min(p) > 215)
        self.assertGreater(black, width * height // 2, "the read-out is not black")
        self.assertGreater(len(white), 150, "the read-out shows no text")
        return white

    def settled_readout(self):
        """The read-out once two screen grabs agree (it is set right after the window moves)."""
        last = []
        poll(lambda: last.append(self.readout()) or (len(last) > 1 and last[-1] == last[-2]), timeout=10,
             interval=0.2, what="a settled read-out")
        return last[-1]

    def assert_lens_stands_still(self):
        standing = self.display.geometry(self.lens)
        self.assertNotIn(standing, (None, LENS_ELSEWHERE))
        self.display.move(*ELSEWHERE)
        self.assert_meanwhile(0.8, lambda: self.assertEqual(self.display.geometry(self.lens), standing,
                                                            "the lens follows the pointer behind the settings window"))

    @staticmethod
    def zoom_button(caption):
        return (*design.ZOOM_BUTTONS[caption], *design.ZOOM_BUTTON_SIZE)

    def choose(self, settings, rect, content, lens):
        """Clicks a button that closes the window; waits for the file and the lens."""
        self.click_client(rect)
        self.wait_settings_closed(settings)
        self.wait_file(content)
        self.move_and_wait_lens(design.CENTRE, lens, "the lens to resume with the chosen zoom")


class OpeningTest(SettingsCase):
    FILE_BEFORE_START = b"3.00\r\nsomething else\r\n"
    # Opened from the tray, the window has the lens standing under the tray icon over its middle.
    CHIUDI_BELOW_LENS = (design.CHIUDI[0], design.CHIUDI[1] + 26, design.CHIUDI[2], 14)

    def test_tray_opens_settings_at_corner_and_pauses_lens_and_chiudi_saves_start_factor(self):
        settings = self.open_from_tray()
        # A bare corner of the window's own background: the lens hangs under the tray, at the top right.
        self.assertEqual(self.display.pixels(*design.SETTINGS_AT_CORNER[:2], 1, 1)[0][0], design.SETTINGS_BACKGROUND)
        self.assert_lens_stands_still()
        self.assertEqual(self.settings_file(), self.FILE_BEFORE_START, "opening the window wrote the file")
        # The file left from before did not set the start zoom, and is replaced whole.
        self.choose(settings, self.CHIUDI_BELOW_LENS, b" 2.5 \r\n", design.LENS_AT_CENTRE)
        self.move_and_wait_lens(ELSEWHERE, LENS_ELSEWHERE)

    def test_moved_settings_window_returns_to_corner_when_activated_again(self):
        settings = self.open_with_f5()
        self.display.xdotool("windowmove", settings, 100, 250)
        poll(lambda: self.display.geometry(settings) == (100, 250, *design.SETTINGS_SIZE), timeout=10,
             what="the window moved away")
        # Activate the lens (clear of the settings window), then the settings window again.
        self.display.click(800, 480)
        self.display.click(100 + 100, 250 + 140)
        poll(lambda: self.display.geometry(settings) == design.SETTINGS_AT_CORNER, timeout=10,
             what="the settings window back at the top-left corner")
        self.assert_lens_stands_still()


class ZoomButtonsTest(SettingsCase):
    def test_each_zoom_button_saves_its_factor_and_resumes_lens_with_it(self):
        readouts = {}
        shown = "start"
        for caption, content, lens in design.ZOOM_TABLE:
            with self.subTest(zoom=caption):
                settings = self.open_with_f5()
                readouts[shown] = self.settled_readout()
                self.choose(settings, self.zoom_button(caption), content, lens)
                shown = caption
        settings = self.open_with_f5()
        readouts[shown] = self.settled_readout()
        self.choose(settings, design.CHIUDI, b" 8 \r\n", design.ZOOM_TABLE[-1][2])
        self.assertEqual(readouts["2.50"], readouts["start"], "2.50 chosen does not read as 2.50 at start")
        self.assertEqual(len(set(readouts.values())), len(design.ZOOM_TABLE), "two factors read the same")
        self.assert_running()


class KeyboardTest(SettingsCase):
    def test_escape_does_nothing_and_tab_with_enter_or_space_presses_a_zoom_button(self):
        settings = self.open_with_f5()
        self.display.keys(settings, "Escape")
        self.assert_meanwhile(1.5, lambda: self.assertEqual(self.display.geometry(settings),
                                                            design.SETTINGS_AT_CORNER, "Escape closed the window"))
        self.assertIsNone(self.settings_file(), "Escape saved the settings")
        # From "CHIUDI", which has the focus when the window opens, through the buttons in tab order.
        for keys, caption in [(["Tab", "Tab", "Tab", "Return"], "2.00"), (["shift+Tab", "space"], "8.00")]:
            with self.subTest(keys=keys):
                self.display.keys(settings, *keys)
                self.wait_settings_closed(settings)
                _, content, lens = next(row for row in design.ZOOM_TABLE if row[0] == caption)
                self.wait_file(content)
                self.move_and_wait_lens(design.CENTRE, lens, f"the lens at zoom {caption}")
                settings = self.open_with_f5()
        self.assert_running()


def italian_locale_installed():
    names = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().split()
    return "it_it.utf8" in names


@unittest.skipUnless(italian_locale_installed(), "needs the it_IT.UTF-8 locale (scripts/install-deps.sh makes it)")
class CommaLocaleTest(SettingsCase):
    ENV = {"LC_ALL": "it_IT.UTF-8"}

    def test_factor_is_saved_with_a_decimal_comma(self):
        for caption, content, lens in [("1.50", b" 1,5 \r\n", design.ZOOM_TABLE[0][2]),
                                       ("8.00", b" 8 \r\n", design.ZOOM_TABLE[-1][2])]:
            self.choose(self.open_with_f5(), self.zoom_button(caption), content, lens)


if __name__ == "__main__":
    unittest.main()
