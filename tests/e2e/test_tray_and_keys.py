"""The keyboard left to other programs, and the tray icon: only a right press opens its menu, also once a
restarted shell has had the icon put back."""
import pathlib
import unittest

import design
from vistak_e2e import WINE, Session, helper_exe, poll


class TrayAndKeysTest(Session):
    def others_than_lens(self):
        return [w for w in self.program_windows() if w[0] != self.lens]

    def test_typing_reaches_another_program_and_only_a_right_press_opens_the_menu_also_after_a_shell_restart(self):
        out = pathlib.Path(self.folder, "typed.txt")
        typist = self.display.start([WINE, helper_exe("E2E_TYPIST"), "Z:" + str(out).replace("/", "\\")])
        poll(out.exists, timeout=30, what="the typist's file")
        window = poll(lambda: self.display.windows(pid=typist.pid), timeout=30, what="the typist's window")[0][0]
        self.display.xdotool("windowfocus", "--sync", window)
        # The lens goes on ticking and setting its own focus meanwhile; F5 typed into the other program is not
        # the lens's F5.
        sentence = "The quick brown fox jumps over the lazy dog, 1234567890 times!"
        self.display.run(["xdotool", "type", "--delay", "40", sentence], timeout=60)
        self.display.xdotool("key", "F5")
        poll(out.read_text, timeout=15, what=f"the typist's file to hold {sentence!r}", expect=sentence)
        x, y = poll(self.icon_point, what="the tray icon")
        for dx in range(-6, 7, 2):
            self.display.xdotool("mousemove", x + dx, y + dx // 2)
        self.display.xdotool("click", 1)
        self.display.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.assert_meanwhile(2.0, lambda: self.assertEqual(self.others_than_lens(), [],
                                                            "F5 elsewhere, moving, a click or a double click on the "
                                                            "icon opened a window"))
        restart = self.display.run([WINE, helper_exe("E2E_SHELL_RESTART")], check=False, timeout=60)
        self.assertEqual(restart.returncode, 0, "the helper found no icon to take away")
        x, y = poll(self.icon_point, what="the tray icon to come back")
        # The menu opens at the pointer as the right button goes down, with the settings window.
        self.display.xdotool("mousemove", x, y, "mousedown", 3)
        self.addCleanup(self.display.run, ["xdotool", "mouseup", "3"], check=False)
        menu = poll(lambda: [w for w in self.others_than_lens() if w[5] != design.SETTINGS_CAPTION], timeout=8,
                    what="the pop-up menu")[0]
        self.assertTrue(abs(menu[1] - x) <= 40 and abs(menu[2] - y) <= 80, f"menu {menu} not at the pointer")
        poll(lambda: [w for w in self.others_than_lens() if w[5] == design.SETTINGS_CAPTION], timeout=8,
             what="the settings window with the menu")
        self.assert_running()


if __name__ == "__main__":
    unittest.main()
