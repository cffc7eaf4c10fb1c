"""Ending the program with "FINE": the lens and tray icon go, the splash shows once more, the process ends."""
import os
import time
import unittest

from test_settings import CENTRE, CHIUDI, FINE, LENS_AT_CENTRE, SPLASH_SIZE, SettingsSession
from vistak_e2e import poll

SPLASH_AT = ((1024 - SPLASH_SIZE[0]) // 2, (768 - SPLASH_SIZE[1]) // 2)


class ExitCase(SettingsSession):
    def open_with_f5(self):
        # The settings window covers the tray: look at the icon before opening it.
        self.assertFalse(self.cell_empty(self.tray_cell()), "no tray icon before FINE")
        return super().open_with_f5()

    def end_with_fine(self, settings):
        """Clicks FINE; returns (closing splash window id, monotonic time it was first seen)."""
        self.display.move(700, 600)  # away from the centre, so the splash's pointer move shows
        self.click_client(FINE)
        clicked = time.monotonic()
        lens_gone = tray_gone = None
        splash = None
        # Under Wine without a window manager each window takes up to 2 s to be withdrawn.
        while splash is None:
            now = time.monotonic()
            self.assertLess(now - clicked, 15, "no closing splash after FINE")
            self.assertIsNone(self.vistak.poll(), "Vistak ended before showing the closing splash")
            if lens_gone is None and self.lens_geometry() is None:
                lens_gone = now
            if tray_gone is None and self.display.geometry(settings) is None and self.cell_empty(self.tray_cell()):
                tray_gone = now
            found = self.sized(SPLASH_SIZE)
            if found:
                splash = found[0]
                seen = time.monotonic()
            else:
                time.sleep(0.02)
        self.assertIsNotNone(lens_gone, "the lens was still there when the closing splash showed")
        self.assertIsNotNone(tray_gone, "the tray icon was still there when the closing splash showed")
        self.assertLess(lens_gone - clicked, 10)
        self.assertEqual(splash[1:3], SPLASH_AT, "closing splash not centred")
        self.assertEqual(self.display.pointer(), CENTRE, "FINE did not move the pointer to the centre")
        # Nothing else of the program is left: no lens, no settings window.
        self.assertEqual([w[0] for w in self.display.windows(pid=self.vistak.pid)], [splash[0]])
        self.assertIsNone(self.display.geometry(settings))
        self.assertTrue(self.cell_empty(self.tray_cell()), "the tray icon came back")
        return splash[0], seen

    def wait_exit(self, timeout):
        code = poll(lambda: self.vistak.poll() is not None and (self.vistak.returncode,), timeout=timeout,
                    interval=0.02, what="the Vistak process to end")[0]
        ended = time.monotonic()
        self.assertEqual(code, 0)
        self.assertEqual(self.display.windows(pid=self.vistak.pid), [])
        return ended


class FineTest(ExitCase):
    def test_fine_removes_lens_and_tray_icon_shows_splash_six_seconds_then_ends(self):
        settings = self.open_with_f5()
        splash, seen = self.end_with_fine(settings)
        # The splash stays until its timer's second tick (about 6 s) and the process ends with it.
        ended = self.wait_exit(timeout=15)
        self.assertGreaterEqual(ended - seen, 4.8, f"the closing splash stayed only {ended - seen:.1f} s")
        self.assertLessEqual(ended - seen, 9.5, f"the closing splash stayed {ended - seen:.1f} s")
        self.assertIsNone(self.settings_file(), "FINE wrote the settings file")


class FineAfterChiudiTest(ExitCase):
    def test_fine_leaves_the_saved_file_alone_and_a_click_ends_the_splash_at_once(self):
        settings = self.open_with_f5()
        self.click_client(CHIUDI)
        self.wait_settings_closed(settings)
        self.wait_file(b" 2.5 \r\n")
        path = os.path.join(self.folder, "Vistak.txt")
        written = os.stat(path).st_mtime_ns
        self.move_and_wait_lens(CENTRE, LENS_AT_CENTRE, "the lens to resume")

        settings = self.open_from_tray()
        splash, seen = self.end_with_fine(settings)
        clicked = time.monotonic()
        self.display.click(SPLASH_AT[0] + 154, SPLASH_AT[1] + 100)
        ended = self.wait_exit(timeout=10)
        self.assertLess(ended - clicked, 3.5, "a click on the closing splash did not end the program at once")
        self.assertLess(ended - seen, 4.8, "the process waited for the splash's timer")
        self.assertEqual(self.settings_file(), b" 2.5 \r\n")
        self.assertEqual(os.stat(path).st_mtime_ns, written, "FINE rewrote the settings file")


class ClosingSplashAtExitTest(ExitCase):
    def test_closing_the_exit_splash_by_system_command_ends_the_program(self):
        settings = self.open_with_f5()
        splash, _ = self.end_with_fine(settings)
        self.display.xdotool("windowfocus", splash)
        self.display.xdotool("key", "alt+F4")
        self.wait_exit(timeout=4.5)


class FineWithOldFileTest(ExitCase):
    FILE_BEFORE_START = b"old content\r\n 7 \r\n"

    def test_fine_does_not_touch_a_file_left_from_before(self):
        settings = self.open_with_f5()
        self.end_with_fine(settings)
        self.display.click(SPLASH_AT[0] + 154, SPLASH_AT[1] + 100)
        self.wait_exit(timeout=10)
        self.assertEqual(self.settings_file(), self.FILE_BEFORE_START)


if __name__ == "__main__":
    unittest.main()
