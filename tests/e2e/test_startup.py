"""Start-up as the user sees it: the splash window, its closing, the single-instance rule."""
import os
import shutil
import time
import unittest

from vistak_e2e import Display, VistakTestCase, poll

SPLASH_SIZE = (308, 383)
LENS_SIZE = (512, 96)
# The splash's bottom strip (the web address) covers client rows 336..382.
STRIP_TOP, STRIP_BOTTOM = 336, 382


def viewable(display, wid):
    return display.geometry(wid) is not None


class StartupTest(VistakTestCase):
    def setUp(self):
        super().setUp()
        self.display = Display(1024, 768).__enter__()
        self.addCleanup(self.display.__exit__, None, None, None)
        # Somewhere else than the centre, so the splash's own pointer move shows.
        self.display.move(100, 700)

    def start_until_splash(self, exe=None):
        """Starts Vistak; returns (process, splash window, monotonic time it was first seen)."""
        process = self.display.start_vistak(exe or self.exe)
        splash = poll(lambda: self.display.windows(pid=process.pid, size=SPLASH_SIZE), timeout=40, interval=0.02,
                      what="the splash window")[0]
        return process, splash, time.monotonic()

    def wait_gone(self, wid, timeout):
        poll(lambda: not viewable(self.display, wid), timeout=timeout, interval=0.02, what=f"window {wid} to go")
        return time.monotonic()

    def test_splash_is_centred_moves_pointer_to_centre_and_gives_way_to_lens_after_six_seconds(self):
        process, splash, seen = self.start_until_splash()
        wid, x, y, width, height, _ = splash
        self.assertEqual((width, height), SPLASH_SIZE)
        self.assertLessEqual(abs(x - (1024 - 308) // 2), 1, f"splash not centred horizontally: {splash}")
        self.assertLessEqual(abs(y - (768 - 383) // 2), 1, f"splash not centred vertically: {splash}")
        self.assertEqual(self.display.pointer(), (512, 384))
        self.assertEqual(len(self.display.windows(pid=process.pid)), 1, "the splash is the only window at first")

        gone = self.wait_gone(wid, timeout=15)
        stayed = gone - seen
        self.assertGreaterEqual(stayed, 5.0, f"splash closed after {stayed:.1f} s without a click")
        self.assertLessEqual(stayed, 9.5, f"splash stayed {stayed:.1f} s")
        lens = poll(lambda: self.display.windows(pid=process.pid, size=LENS_SIZE), timeout=5, what="the lens")[0]
        # The pointer is still at the centre: the lens hangs below it.
        self.assertEqual(lens[1:5], (352, 403, 512, 96))
        self.assertIsNone(process.poll())

    def test_click_on_picture_closes_splash_at_once(self):
        process, splash, seen = self.start_until_splash()
        wid, x, y = splash[:3]
        clicked = time.monotonic()
        self.display.click(x + 154, y + 150)
        lens = poll(lambda: self.display.windows(pid=process.pid, size=LENS_SIZE), timeout=4, interval=0.02,
                    what="the lens after a click on the splash picture")[0]
        self.wait_gone(wid, timeout=max(0.5, seen + 4.8 - time.monotonic()))
        self.assertLess(time.monotonic() - clicked, 4.5)
        # The lens follows the pointer where the click left it.
        self.assertEqual(lens[1:5], (x + 154 - 160, y + 150 + 19, 512, 96))
        self.assertIsNone(process.poll())

    def test_click_on_bottom_strip_does_nothing(self):
        process, splash, seen = self.start_until_splash()
        wid, x, y = splash[:3]
        # On the web address, then on the bare strip beside it, at its top and bottom rows.
        self.display.click(x + 154, y + 358)
        self.display.click(x + 3, y + STRIP_TOP)
        self.display.click(x + 303, y + STRIP_BOTTOM)
        # A click on the picture closes the splash well within 4 s (see above).
        deadline = seen + 4.5
        while time.monotonic() < deadline:
            self.assertTrue(viewable(self.display, wid), "a click on the bottom strip closed the splash")
            self.assertEqual(self.display.windows(pid=process.pid, size=LENS_SIZE), [], "the lens came early")
            time.sleep(0.1)
        # It still closes by itself, after about six seconds.
        gone = self.wait_gone(wid, timeout=12)
        self.assertGreaterEqual(gone - seen, 5.0)
        poll(lambda: self.display.windows(pid=process.pid, size=LENS_SIZE), timeout=5, what="the lens")

    def test_closing_splash_by_system_command_ends_program(self):
        process, splash, _ = self.start_until_splash()
        self.display.xdotool("windowfocus", splash[0])
        self.display.xdotool("key", "alt+F4")
        poll(lambda: process.poll() is not None, timeout=10, what="the process to end")
        self.assertEqual(process.returncode, 0)
        self.assertEqual(self.display.windows(pid=process.pid), [], "a window stayed")

    def test_untrapped_error_shows_one_report_hides_lens_and_ends_process(self):
        faulty = os.environ.get("E2E_FAULTY_VISTAK", "")
        self.assertTrue(os.path.exists(faulty), f"E2E_FAULTY_VISTAK names no program: {faulty!r}")
        exe = os.path.join(self.folder, "Faulty.exe")
        shutil.copy(faulty, exe)
        process, splash, _ = self.start_until_splash(exe)
        self.display.click(splash[1] + 154, splash[2] + 150)
        lens = poll(lambda: self.display.windows(pid=process.pid, size=LENS_SIZE), timeout=10, what="the lens")[0]
        report = poll(lambda: self.display.windows(pid=process.pid, name="Vistak"), timeout=15,
                      what="the error report")[0]
        # While it shows, no tick runs (each would raise again) and no second report stacks.
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            self.assertEqual([w[0] for w in self.display.windows(pid=process.pid)], [report[0]],
                             "the report is not the only window")
            self.assertIsNone(process.poll(), "the process ended under the report")
            time.sleep(0.1)
        self.assertFalse(viewable(self.display, lens[0]))
        self.display.xdotool("windowfocus", report[0])
        self.display.xdotool("key", "Return")
        poll(lambda: process.poll() is not None, timeout=10, what="the process to end after the report")
        self.assertNotEqual(process.returncode, 0)

    def test_second_copy_ends_by_itself_and_leaves_first_alone(self):
        first, splash, _ = self.start_until_splash()
        self.display.click(splash[1] + 154, splash[2] + 150)
        lens = poll(lambda: self.display.windows(pid=first.pid, size=LENS_SIZE), timeout=6, what="the first copy's lens")[0]
        self.display.move(700, 200)
        poll(lambda: [w for w in self.display.windows(pid=first.pid) if w[1:3] == (540, 219)], timeout=5,
             what="the lens following the pointer")
        before = sorted(w[0] for w in self.display.windows())

        second = self.display.start_vistak(self.exe)
        deadline = time.monotonic() + 10
        while second.poll() is None:
            self.assertEqual(self.display.windows(pid=second.pid), [], "the second copy showed a window")
            self.assertLess(time.monotonic(), deadline, "the second copy is still running")
            time.sleep(0.1)
        # Nothing of it shows afterwards either, and nothing new appeared.
        time.sleep(1.5)
        self.assertEqual(self.display.windows(pid=second.pid), [])
        self.assertEqual(sorted(w[0] for w in self.display.windows()), before)
        # It did not move the pointer (neither to the caret nor to the centre).
        self.assertEqual(self.display.pointer(), (700, 200))

        self.assertIsNone(first.poll(), "the first copy ended")
        self.display.move(512, 384)
        moved = poll(lambda: [w for w in self.display.windows(pid=first.pid) if w[1:5] == (352, 403, 512, 96)],
                     timeout=5, what="the first copy's lens still following the pointer")
        self.assertEqual(moved[0][0], lens[0], "the first copy's lens window changed")


if __name__ == "__main__":
    unittest.main()
