"""The tray icon, the pop-up menu, F5 on the lens, and the keyboard left to other programs."""
import os
import time
import unittest

from vistak_e2e import WINE, Display, VistakTestCase, poll

LENS_SIZE = (512, 96)
SETTINGS_TITLE = "Vistak by Pelmaro - Lurno"
HERE = os.path.dirname(os.path.abspath(__file__))


def is_settings(window):
    _, x, y, width, _, title = window
    return title == SETTINGS_TITLE or (x <= 5 and y <= 5 and 630 <= width <= 660)


class TrayAndKeysCase(VistakTestCase):
    def setUp(self):
        super().setUp()
        self.display = Display(1024, 768).__enter__()
        self.addCleanup(self.display.__exit__, None, None, None)
        self.vistak = self.display.start_vistak(self.exe)
        splash = poll(lambda: self.display.windows(pid=self.vistak.pid, size=(308, 383)), timeout=40,
                      what="the splash window")[0]
        self.display.click(splash[1] + 154, splash[2] + 150)
        self.lens = poll(lambda: self.display.windows(pid=self.vistak.pid, size=LENS_SIZE), timeout=10,
                         what="the lens window")[0]
        poll(lambda: not self.display.windows(pid=self.vistak.pid, size=(308, 383)), timeout=10,
             what="the splash window to go")
        self.tray = poll(lambda: self.display.windows(name="Wine System Tray"), timeout=10,
                         what="the system tray")[0]
        # The program's icon is the tray's first: its left 20 x 20 pixels.
        self.icon = (self.tray[1] + 10, self.tray[2] + 10)

    def icon_drawn(self):
        """True when the tray shows an icon at its left."""
        trays = self.display.windows(name="Wine System Tray")
        if not trays:
            return False
        x, y, width = trays[0][1:4]
        area = self.display.pixels(x, y, 20, 20)
        background = self.display.pixels(x + width - 4, y + 10, 1, 1)[0][0]
        return sum(1 for row in area for pixel in row if pixel != background) > 20

    def program_windows(self):
        return self.display.windows(pid=self.vistak.pid)

    def others_than_lens(self):
        return [w for w in self.program_windows() if w[0] != self.lens[0]]

    def settings(self):
        return [w for w in self.program_windows() if is_settings(w)]

    def assert_nothing_opens(self, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(self.others_than_lens(), [], f"{what} opened a window")
            time.sleep(0.1)

    def right_press_on_icon(self):
        """Presses the right button on the icon; returns the pop-up menu window."""
        self.display.xdotool("mousemove", *self.icon)
        self.display.xdotool("mousedown", 3)
        self.addCleanup(self.display.run, ["xdotool", "mouseup", "3"], check=False)
        menus = poll(lambda: [w for w in self.others_than_lens() if not is_settings(w)], timeout=8,
                     what="the pop-up menu")
        return menus[0]


class TrayIconTest(TrayAndKeysCase):
    def test_icon_is_in_the_tray(self):
        self.assertTrue(self.icon_drawn(), "no icon drawn at the tray's left")

    def test_right_press_opens_menu_and_settings(self):
        menu = self.right_press_on_icon()
        _, x, y, width, height, _ = menu
        px, py = self.icon
        self.assertTrue(abs(x - px) <= 40 and abs(y - py) <= 80, f"menu {menu} not at the pointer {self.icon}")
        self.assertGreater(width, 20)
        self.assertGreater(height, 5)
        # The settings window comes with the menu, before anything is chosen.
        poll(self.settings, timeout=8, what="the settings window")
        self.display.xdotool("key", "Escape")
        self.assertIsNone(self.vistak.poll())

    def test_icon_comes_back_after_shell_restart(self):
        helper = os.environ.get("E2E_SHELL_RESTART", "")
        self.assertTrue(os.path.exists(helper), f"E2E_SHELL_RESTART names no helper: {helper!r}")
        restart = self.display.run([WINE, helper], check=False, timeout=60)
        self.assertEqual(restart.returncode, 0, "the helper found no icon to take away")
        poll(self.icon_drawn, timeout=10, what="the tray icon to come back")
        self.right_press_on_icon()
        poll(self.settings, timeout=8, what="the settings window from the restored icon")

    def test_left_click_double_click_and_hover_open_nothing(self):
        px, py = self.icon
        self.display.move(px, py)
        for dx in range(-6, 7, 2):
            self.display.move(px + dx, py + dx // 2)
        self.assert_nothing_opens(1.5, "moving over the icon")
        self.display.xdotool("click", 1)
        self.assert_nothing_opens(2.0, "a left click on the icon")
        self.display.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.assert_nothing_opens(2.0, "a double click on the icon")
        # The icon still answers: a right press opens the menu.
        self.right_press_on_icon()
        poll(self.settings, timeout=8, what="the settings window")
        self.display.xdotool("key", "Escape")


class KeysTest(TrayAndKeysCase):
    def test_f5_on_lens_opens_settings(self):
        self.display.xdotool("windowfocus", self.lens[0])
        self.display.xdotool("key", "F5")
        poll(self.settings, timeout=8, what="the settings window after F5")

    def test_alt_f4_on_lens_ends_program_and_a_new_start_works(self):
        self.display.xdotool("windowfocus", self.lens[0])
        self.display.xdotool("key", "alt+F4")
        code = poll(lambda: self.vistak.poll() is not None and (self.vistak.returncode,), timeout=15,
                    what="the process to end after Alt+F4 on the lens")[0]
        self.assertEqual(code, 0)
        self.assertEqual(self.display.windows(pid=self.vistak.pid), [])
        self.assertFalse(self.icon_drawn(), "the tray icon stayed")
        again = self.display.start_vistak(self.exe)
        poll(lambda: self.display.windows(pid=again.pid, size=(308, 383)), timeout=40,
             what="the splash of a new start")

    def typist(self):
        exe = os.environ.get("E2E_TYPIST", "")
        self.assertTrue(os.path.exists(exe), f"E2E_TYPIST names no typist program: {exe!r}")
        return exe

    def test_typing_into_another_program_reaches_it(self):
        out = os.path.join(self.folder, "typed.txt")
        self.display.start([WINE, self.typist(), "Z:" + out.replace("/", "\\")])
        typist = poll(lambda: self.display.windows(name="E2E Typist"), timeout=30, what="the typist window")[0]
        poll(lambda: os.path.exists(out), timeout=10, what="the typist's file")
        self.display.xdotool("windowfocus", "--sync", typist[0])
        time.sleep(1.0)  # the lens goes on ticking and setting its own focus meanwhile
        sentence = "The quick brown fox jumps over the lazy dog, 1234567890 times!"
        self.display.run(["xdotool", "type", "--delay", "40", sentence], timeout=60)
        # F5 typed into the other program is not the lens's F5.
        self.display.xdotool("key", "F5")

        def typed():
            with open(out, "rb") as file:
                return file.read().decode("utf-8")

        try:
            poll(lambda: typed() == sentence, timeout=15, what="the sentence in the typist's file")
        except AssertionError:
            self.fail(f"the typist got {typed()!r}, typed {sentence!r}")
        self.assert_nothing_opens(2.0, "typing into another program")
        self.assertIsNone(self.vistak.poll())


if __name__ == "__main__":
    unittest.main()
