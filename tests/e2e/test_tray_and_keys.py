"""The tray icon and its menu, the keyboard left to other programs, and closing the lens."""
import os
import unittest

import design
from vistak_e2e import WINE, Session, helper_exe, poll


class TrayAndKeysTest(Session):
    def others_than_lens(self):
        return [w for w in self.program_windows() if w[0] != self.lens]

    def right_press_on_icon(self):
        """Presses the right button on the icon: the menu opens at the pointer, with the settings window."""
        x, y = self.icon_point()
        self.display.xdotool("mousemove", x, y, "mousedown", 3)
        self.addCleanup(self.display.run, ["xdotool", "mouseup", "3"], check=False)
        menu = poll(lambda: [w for w in self.others_than_lens() if w[5] != design.SETTINGS_CAPTION], timeout=8,
                    what="the pop-up menu")[0]
        self.assertTrue(abs(menu[1] - x) <= 40 and abs(menu[2] - y) <= 80, f"menu {menu} not at the pointer")
        poll(self.settings_windows, timeout=8, what="the settings window with the menu")

    def test_only_a_right_press_on_the_icon_opens_the_menu_and_the_settings(self):
        self.assertTrue(self.icon_drawn(), "no icon in the tray")
        x, y = self.icon_point()
        for dx in range(-6, 7, 2):
            self.display.move(x + dx, y + dx // 2)
        self.display.xdotool("click", 1)
        self.display.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.assert_meanwhile(2.0, lambda: self.assertEqual(self.others_than_lens(), [],
                                                            "moving, a click or a double click opened a window"))
        self.right_press_on_icon()

    def test_icon_comes_back_after_shell_restart(self):
        restart = self.display.run([WINE, helper_exe("E2E_SHELL_RESTART")], check=False, timeout=60)
        self.assertEqual(restart.returncode, 0, "the helper found no icon to take away")
        poll(self.icon_drawn, timeout=10, what="the tray icon to come back")
        self.right_press_on_icon()

    def test_typing_into_another_program_reaches_it(self):
        out = os.path.join(self.folder, "typed.txt")
        self.display.start([WINE, helper_exe("E2E_TYPIST"), "Z:" + out.replace("/", "\\")])
        typist = poll(lambda: self.display.windows(name="E2E Typist"), timeout=30, what="the typist window")[0]
        poll(lambda: os.path.exists(out), timeout=10, what="the typist's file")
        self.display.xdotool("windowfocus", "--sync", typist[0])
        # The lens goes on ticking and setting its own focus meanwhile; F5 typed into the
        # other program is not the lens's F5.
        sentence = "The quick brown fox jumps over the lazy dog, 1234567890 times!"
        self.display.run(["xdotool", "type", "--delay", "40", sentence], timeout=60)
        self.display.xdotool("key", "F5")

        def typed():
            with open(out, "rb") as file:
                return file.read().decode("utf-8")

        try:
            poll(lambda: typed() == sentence, timeout=15, what="the sentence in the typist's file")
        except AssertionError:
            self.fail(f"the typist got {typed()!r}, typed {sentence!r}")
        self.assert_meanwhile(2.0, lambda: self.assertEqual(self.others_than_lens(), [], "F5 opened a window"))
        self.assert_running()

    def test_alt_f4_on_lens_ends_program_and_a_new_start_works(self):
        self.display.keys(self.lens, "alt+F4")
        self.assertEqual(self.wait_exit(timeout=15), 0)
        self.assertFalse(self.icon_drawn(), "the tray icon stayed")
        self.splash(self.start())


if __name__ == "__main__":
    unittest.main()
