"""The settings window as the user meets it: its keys and place, choosing a zoom, the read-out, the file."""
import subprocess
import unittest

import design
from vistak_e2e import Session, poll


class SettingsTest(Session):
    def readout(self):
        """The read-out's pixels, once two screen grabs agree (it is set as the window moves): black, white text."""
        (left, top), (x, y, width, height) = design.SETTINGS_AT_CORNER[:2], design.READOUT
        shown = sum(self.display.settled_pixels(left + x, top + y, width, height, "a settled read-out"), [])
        self.assertGreater(sum(max(p) < 40 for p in shown), width * height // 2, "the read-out is not black")
        self.assertGreater(sum(min(p) > 215 for p in shown), 150, "the read-out shows no text")
        return tuple(shown)

    def test_escape_a_moved_window_every_zoom_button_tab_order_and_the_readout(self):
        settings = self.open_with_f5()
        self.display.keys(settings, "Escape")
        self.assert_meanwhile(1.5, lambda: self.display.geometry(settings), design.SETTINGS_AT_CORNER,
                              "Escape closed the window")
        self.assertIsNone(self.settings_file(), "Escape saved the settings")
        self.display.xdotool("windowmove", settings, 100, 250)
        poll(lambda: self.display.geometry(settings), what="the window moved away",
             expect=(100, 250, *design.SETTINGS_AT_CORNER[2:]))
        # Activated again after the lens (clear of it), the window goes back to the corner.
        self.display.click(800, 480)
        self.display.click(100 + 100, 250 + 140)
        poll(lambda: self.display.geometry(settings), what="the window back at the corner",
             expect=design.SETTINGS_AT_CORNER)
        standing = self.display.geometry(self.lens)
        self.assertNotIn(standing, (None, design.LENS_ELSEWHERE))
        self.display.xdotool("mousemove", *design.ELSEWHERE)
        self.assert_meanwhile(0.8, lambda: self.display.geometry(self.lens), standing, "the lens follows the pointer")
        readouts = {"start": self.readout()}
        # Each button clicked; then from "CHIUDI", which has the focus as the window opens, keys in tab order.
        for caption, way in ([(caption, row[0]) for caption, row in design.ZOOM.items()] +
                             [("2.00", ["Tab", "Tab", "Tab", "Return"]), ("8.00", ["shift+Tab", "space"])]):
            with self.subTest(zoom=caption, way=way):
                self.choose(settings, way, caption)
                settings = self.open_with_f5()
                readouts[caption] = self.readout()
        self.choose(settings, design.CHIUDI, "8.00")
        self.assertEqual(readouts["2.50"], readouts["start"], "2.50 chosen does not read as 2.50 at start")
        self.assertEqual(len(set(readouts.values())), len(design.ZOOM), "two factors read the same")


LOCALES = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().split()


@unittest.skipUnless("it_it.utf8" in LOCALES, "needs the it_IT.UTF-8 locale (scripts/install-deps.sh makes it)")
class CommaLocaleTest(Session):
    ENV = {"LC_ALL": "it_IT.UTF-8"}

    def test_factor_is_saved_with_a_decimal_comma(self):
        self.choose(self.open_with_f5(), design.ZOOM["1.50"][0], "1.50", b" 1,5 \r\n")
