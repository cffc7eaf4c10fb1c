"""Start-up as the user sees it: the splash window, its closing, one copy at a time, the error report."""
import os
import shutil
import time
import unittest

import design
from vistak_e2e import Session, helper_exe, poll


class StartupTest(Session):
    START = False

    def setUp(self):
        super().setUp()
        # Somewhere else than the centre, so the splash's own pointer move shows.
        self.display.move(100, 700)

    def test_splash_is_centred_moves_pointer_to_centre_and_gives_way_to_lens_after_six_seconds(self):
        self.vistak = self.start()
        splash = self.splash(self.vistak)
        seen = time.monotonic()
        self.assertEqual(splash[1:5], (*design.SPLASH_AT, *design.SPLASH_SIZE))
        self.assertEqual(self.display.pointer(), design.CENTRE)
        self.assertEqual(len(self.program_windows()), 1, "the splash is the only window at first")
        poll(lambda: self.display.geometry(splash[0]) is None, timeout=15, interval=0.02, what="the splash to go")
        stayed = time.monotonic() - seen
        self.assertTrue(5.0 <= stayed <= 9.5, f"without a click the splash stayed {stayed:.1f} s")
        lens = poll(lambda: self.display.windows(pid=self.vistak.pid, size=design.LENS_SIZE), timeout=5,
                    what="the lens")[0]
        self.assertEqual(lens[1:5], design.LENS_AT_CENTRE, "the lens is not below the centred pointer")

    def test_clicks_on_the_bottom_strip_do_nothing_and_a_click_on_the_picture_closes_at_once(self):
        self.vistak = self.start()
        wid, x, y = self.splash(self.vistak)[:3]
        # On the web address, then on the bare strip beside it, at its top and bottom rows.
        for point in [(154, 358), (3, design.SPLASH_STRIP_TOP), (303, design.SPLASH_SIZE[1] - 1)]:
            self.display.click(x + point[0], y + point[1])
        self.assert_meanwhile(1.0, lambda: self.assertEqual([w[0] for w in self.program_windows()], [wid],
                                                            "a click on the bottom strip closed the splash"))
        clicked = time.monotonic()
        self.display.click(x + 154, y + 150)
        lens = poll(lambda: self.display.windows(pid=self.vistak.pid, size=design.LENS_SIZE), timeout=4,
                    interval=0.02, what="the lens after a click on the picture")[0]
        self.assertLess(time.monotonic() - clicked, 2.5, "the splash waited for its timer")
        # The lens follows the pointer where the click left it.
        self.assertEqual(lens[1:5], (x + 154 - 160, y + 150 + 19, *design.LENS_SIZE))

    def test_second_copy_ends_by_itself_and_leaves_first_alone(self):
        self.vistak = self.start()
        self.lens = self.past_splash(self.vistak)
        self.move_and_wait_lens((700, 200), (540, 219, *design.LENS_SIZE))
        before = sorted(w[0] for w in self.display.windows())
        second = self.start()
        poll(lambda: second.poll() is not None, timeout=15, what="the second copy to end")
        self.assertEqual(self.display.windows(pid=second.pid), [], "the second copy showed a window")
        self.assertEqual(sorted(w[0] for w in self.display.windows()), before)
        self.assertEqual(self.display.pointer(), (700, 200), "the second copy moved the pointer")
        self.assert_running()
        self.move_and_wait_lens(design.CENTRE, design.LENS_AT_CENTRE, "the first copy's lens to go on following")

    def test_closing_splash_by_system_command_ends_program(self):
        self.vistak = self.start()
        self.display.keys(self.splash(self.vistak)[0], "alt+F4")
        self.assertEqual(self.wait_exit(timeout=10), 0)

    def test_untrapped_error_shows_one_report_hides_lens_and_ends_process(self):
        # This build's zoom turns absurd a moment after the lens shows, and the next tick overflows.
        exe = os.path.join(self.folder, "Faulty.exe")
        shutil.copy(helper_exe("E2E_FAULTY_VISTAK"), exe)
        self.vistak = self.start(exe)
        lens = self.past_splash(self.vistak)
        report = poll(lambda: self.display.windows(pid=self.vistak.pid, name="Vistak"), timeout=15,
                      what="the error report")[0]
        # While it shows no tick runs (each would raise again) and no second report stacks.
        self.assert_meanwhile(2.0, lambda: self.assertEqual([w[0] for w in self.program_windows()], [report[0]]))
        self.assertIsNone(self.display.geometry(lens), "the lens stayed")
        self.display.keys(report[0], "Return")
        self.assertNotEqual(self.wait_exit(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
