"""Ending the program with "FINE": the lens and tray icon go, the splash shows once more, the process ends."""
import os
import time
import unittest

import design
from vistak_e2e import Session, poll


class ExitTest(Session):
    FILE_BEFORE_START = b"old content\r\n 7 \r\n"

    def end_with_fine(self, open_settings):
        """Opens the settings window and clicks "FINE"; returns the closing splash's window id and
        the time it was first seen."""
        # The settings window covers the tray: the icon is looked at before it opens.
        self.assertTrue(self.icon_drawn(), "no tray icon before FINE")
        open_settings()
        self.click_client(design.FINE)  # which leaves the pointer away from the centre
        splash = self.splash(self.vistak, timeout=15)
        seen = time.monotonic()
        self.assertEqual(splash[1:3], design.SPLASH_AT, "closing splash not centred")
        self.assertEqual(self.display.pointer(), design.CENTRE, "FINE did not move the pointer to the centre")
        # Nothing else of the program is left: no lens, no settings window, no tray icon.
        poll(lambda: [w[0] for w in self.program_windows()] == [splash[0]], timeout=10,
             what="the splash to be the program's only window")
        self.assertFalse(self.icon_drawn(), "the tray icon is still there")
        return splash[0], seen

    def test_fine_shows_the_splash_six_seconds_then_ends_leaving_the_file_alone(self):
        splash, seen = self.end_with_fine(self.open_with_f5)
        self.assertEqual(self.wait_exit(timeout=15), 0)
        stayed = time.monotonic() - seen
        self.assertTrue(4.8 <= stayed <= 9.5, f"the closing splash stayed {stayed:.1f} s")
        self.assertEqual(self.settings_file(), self.FILE_BEFORE_START, "FINE touched the settings file")

    def test_a_click_on_the_closing_splash_ends_at_once_and_the_saved_file_stays(self):
        settings = self.open_with_f5()
        self.click_client(design.CHIUDI)
        self.wait_settings_closed(settings)
        self.wait_file(b" 2.5 \r\n")
        written = os.stat(os.path.join(self.folder, "Vistak.txt")).st_mtime_ns
        self.move_and_wait_lens(design.CENTRE, design.LENS_AT_CENTRE, "the lens to resume")
        self.end_with_fine(self.open_from_tray)
        clicked = time.monotonic()
        self.display.click(design.SPLASH_AT[0] + 154, design.SPLASH_AT[1] + 100)
        self.assertEqual(self.wait_exit(timeout=10), 0)
        self.assertLess(time.monotonic() - clicked, 3.5, "the process waited for the splash's timer")
        self.assertEqual(os.stat(os.path.join(self.folder, "Vistak.txt")).st_mtime_ns, written,
                         "FINE rewrote the settings file")

    def test_closing_the_exit_splash_by_system_command_ends_the_program(self):
        splash, seen = self.end_with_fine(self.open_with_f5)
        self.display.keys(splash, "alt+F4")
        self.assertEqual(self.wait_exit(timeout=10), 0)
        self.assertLess(time.monotonic() - seen, 4.5, "the process waited for the splash's timer")


if __name__ == "__main__":
    unittest.main()
