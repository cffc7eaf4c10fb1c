"""One user's way through the program: start, magnify, change the zoom, end."""
import time
import unittest

from vistak_e2e import Display, VistakTestCase, poll

SPLASH = (308, 383)
TRAY_ICON = (13, 32)            # the first icon cell of Wine's tray window
SETTINGS_CLIENT = (3, 22)       # client origin of a captioned window at 0,0 under Wine's own frame
CHIUDI = (282 + 80, 104 + 20)   # client coordinates of the button centres
FINE = (460 + 80, 104 + 20)
ZOOM_8 = (548 + 40, 56 + 20)


def client_point(point):
    return SETTINGS_CLIENT[0] + point[0], SETTINGS_CLIENT[1] + point[1]


class UserJourney(VistakTestCase):
    def test_start_magnify_zoom_and_end(self):
        with Display(1024, 768) as display:
            vistak = display.start_vistak(self.exe)
            splash = poll(lambda: display.windows(pid=vistak.pid, size=SPLASH), timeout=60, what="the splash")[0]
            self.assertEqual((splash[1], splash[2]), ((1024 - 308) // 2, (768 - 383) // 2))
            self.assertEqual(display.pointer(), (512, 384))

            before = display.windows()
            second = display.start_vistak(self.exe)
            self.assertEqual(second.wait(timeout=30), 0)
            self.assertEqual(display.windows(), before, "a second copy ends with no window of its own")

            display.click(512, 300)
            lens = poll(lambda: display.windows(pid=vistak.pid, size=(512, 96)), timeout=10, what="the lens")[0]
            self.assertEqual((lens[1], lens[2]), (352, 319))
            # The lens is loaded before the splash unloads; Wine takes a moment to withdraw the splash.
            poll(lambda: not display.windows(pid=vistak.pid, size=SPLASH), timeout=10, what="the splash to go")

            display.move(600, 200)
            poll(lambda: [w for w in display.windows(pid=vistak.pid) if w[1:5] == (440, 219, 512, 96)],
                 timeout=5, what="the lens to follow the pointer")

            display.click(*TRAY_ICON, button=3)
            settings = poll(lambda: display.windows(pid=vistak.pid, name="Vistak by Pelmaro - Lurno"), timeout=10,
                            what="the settings window")[0]
            self.assertEqual((settings[1], settings[2], settings[3], settings[4]), (*SETTINGS_CLIENT, 637, 147))
            display.xdotool("key", "Escape")

            display.move(300, 500)
            time.sleep(0.5)
            self.assertFalse([w for w in display.windows(pid=vistak.pid) if w[1:3] == (140, 519)],
                             "the lens must stand still while the settings window is open")

            display.click(*client_point(ZOOM_8))
            poll(lambda: self.settings_file() == b" 8 \r\n", timeout=10, what="the settings file")
            display.move(512, 384)
            poll(lambda: [w for w in display.windows(pid=vistak.pid) if w[1:5] == (0, 403, 1024, 307)],
                 timeout=10, what="the lens at zoom 8")

            display.click(*TRAY_ICON, button=3)
            poll(lambda: display.windows(pid=vistak.pid, name="Vistak by Pelmaro - Lurno"), timeout=10,
                 what="the settings window again")
            display.xdotool("key", "Escape")
            display.click(*client_point(FINE))
            poll(lambda: display.windows(pid=vistak.pid, size=SPLASH), timeout=10, what="the closing splash")
            self.assertEqual(display.pointer(), (512, 384))
            self.assertFalse([w for w in display.windows(pid=vistak.pid) if w[3] == 1024])
            started = time.monotonic()
            vistak.wait(timeout=20)
            self.assertGreater(time.monotonic() - started, 4, "the splash shows about 6 s before the end")
            self.assertEqual(self.settings_file(), b" 8 \r\n", "ending does not touch the settings file")


if __name__ == "__main__":
    unittest.main()
