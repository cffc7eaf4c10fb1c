"""A session to its end: typing elsewhere, the tray icon (also after a shell restart), settings, "CHIUDI"; then
"FINE" (the lens and icon go, the splash shows again), Alt+F4 on any window, the session's end, WM_CLOSE to every
window, a click on the closing splash."""
import time

import design
from vistak_e2e import WINE, Session, helper_exe, poll


class ExitTest(Session):
    FILE_BEFORE_START = b" 7 \r\nsomething else\r\n"  # not read: the lens starts at zoom 2.5
    # Opened from the tray, the window may have the lens standing under the tray icon, over its middle.
    CHIUDI_BELOW_LENS = (design.CHIUDI[0], design.CHIUDI[1] + 26, design.CHIUDI[2], 14)

    def end_with_fine(self, open_settings):
        """Returns the closing splash's id and when it was seen."""
        # The settings window covers the tray: the icon is looked at before it opens.
        poll(self.icon_point, what="the tray icon before FINE")
        open_settings()
        self.click_client(design.FINE)  # which leaves the pointer away from the centre
        splash = self.splash(timeout=15)
        seen = time.monotonic()
        self.assertEqual(splash[1:3], design.SPLASH_AT, "closing splash not centred")
        self.assertEqual(self.display.pointer(), design.CENTRE, "FINE did not move the pointer to the centre")
        # Before the splash's first tick: as the program ends, its windows go one at a time.
        poll(self.window_ids, timeout=3, what="the splash as the program's only window", expect=[splash[0]])
        self.assertFalse(self.icon_point(), "the tray icon is still there")
        return splash[0], seen

    def system_messages(self, what):
        done = self.display.run([WINE, helper_exe("E2E_SYSTEM_MESSAGES"), what], check=False, timeout=60)
        self.assertEqual(done.returncode, 0, f"the helper could not do {what}")

    def test_typing_elsewhere_the_tray_icon_chiudi_then_fine_shows_the_splash_six_seconds_and_leaves_the_file(self):
        typist = self.display.start([WINE, helper_exe("E2E_TYPIST")])
        window = poll(lambda: self.display.windows(pid=typist.pid), timeout=30, what="the typist's window")[0][0]
        # The lens ticks (and sets its own focus) meanwhile; F5 typed into the other program is not the lens's F5.
        sentence = "The quick brown fox jumps over the lazy dog, 1234567890 times!"
        self.display.run(["xdotool", "windowfocus", "--sync", window, "type", "--delay", "40", sentence], timeout=60)
        self.display.xdotool("key", "F5")
        poll(lambda: self.display.windows(pid=typist.pid)[0][5], timeout=15, what="the typed sentence as its title",
             expect=sentence)
        x, y = poll(self.icon_point, what="the tray icon")
        moves = [arg for dx in range(-6, 7, 2) for arg in ("mousemove", x + dx, y + dx // 2)]
        self.display.xdotool(*moves, "click", 1, "click", "--repeat", 2, "--delay", 80, 1)
        self.assert_meanwhile(2.0, self.window_ids, [self.lens],
                              "F5 elsewhere, or moving, a click or a double click on the icon opened a window")
        self.system_messages("shell-restart")
        settings = self.open_from_tray()  # which waits for the icon to come back
        # A bare corner of the window's own background, clear of the lens.
        self.assertEqual(self.display.pixels(*design.SETTINGS_AT_CORNER[:2], 1, 1)[0][0], design.SETTINGS_BACKGROUND)
        self.assertEqual(self.settings_file(), self.FILE_BEFORE_START, "opening the window wrote the file")
        self.choose(settings, self.CHIUDI_BELOW_LENS, "2.50")
        self.move_and_wait_lens(design.ELSEWHERE, design.LENS_ELSEWHERE)
        written = self.settings_path.stat().st_mtime_ns
        seen = self.end_with_fine(self.open_with_f5)[1]
        self.assertEqual(self.wait_exit(timeout=15), 0)
        stayed = time.monotonic() - seen
        self.assertTrue(4.8 <= stayed <= 9.5, f"the closing splash stayed {stayed:.1f} s")
        self.assertEqual(self.settings_path.stat().st_mtime_ns, written, "FINE rewrote the settings file")

    def test_alt_f4_the_session_end_or_a_close_of_every_window_and_a_click_on_the_closing_splash_end_the_program(self):
        # WM_CLOSE also reaches the hidden window that owns the others, as taskkill without /F sends it.
        for i, (what, end) in enumerate([("Alt+F4 on the lens", lambda: self.display.keys(self.lens, "alt+F4")),
                                         ("the session's end", lambda: self.system_messages("end-session")),
                                         ("WM_CLOSE to each window", lambda: self.system_messages("close"))]):
            if i:
                self.start_past_splash()  # the last run left nothing behind that keeps a new one out
            poll(self.icon_point, what="the tray icon")
            end()
            self.assertEqual(self.wait_exit(timeout=10, after=what), 0)
            self.assertFalse(self.icon_point(), f"the tray icon stayed after {what}")
        self.start()
        self.display.keys(self.splash()[0], "alt+F4")
        self.assertEqual(self.wait_exit(timeout=10), 0)
        for open_settings, close in [(self.open_from_tray, lambda splash: self.display.click(*design.PICTURE_POINT)),
                                     (self.open_with_f5, lambda splash: self.display.keys(splash, "alt+F4"))]:
            self.start_past_splash()
            splash, seen = self.end_with_fine(open_settings)
            close(splash)
            self.assertEqual(self.wait_exit(timeout=10), 0)
            self.assertLess(time.monotonic() - seen, 4.5, "the process waited for the splash's timer")
