"""Long run: Vistak's GDI objects and resident memory stay flat over many zoom ticks while the lens follows a
moving pointer; and the same measurement does see a program that leaks a display DC and a bitmap a tick.
Environment (besides the e2e harness's): SOAK_TICKS (lens moves to run, default 3000), SOAK_LEAKY_TICK."""
import os
import time
import unittest

import soak_tools
from soak_tools import vistak_e2e

TICKS = int(os.environ.get("SOAK_TICKS", "3000"))
GDI_GROWTH_BOUND = 16         # objects, whatever the length of the run
RSS_GROWTH_BOUND_KIB = 6 * 1024
LEAK_TICKS = 400


class Measured(vistak_e2e.Session):
    def start(self, exe=None):
        self.traced = soak_tools.Traced(self.display, exe or self.exe, self.folder)
        self.vistak = self.traced.process

    def growth(self, window, warm_up, ticks):
        """The GDI objects and VmRSS (KiB) that the program gains over `ticks` moves of its window after
        `warm_up` moves, while the pointer goes round."""
        counter = soak_tools.MoveCounter(self.display, window)
        self.addCleanup(counter.close)

        def sample_after(moves):
            vistak_e2e.poll(lambda: counter.moves() >= moves or self.traced.process.poll() is not None,
                            timeout=moves / 5 + 60, interval=0.5, what=f"{moves} moves of {self.traced.name}")
            self.assertIsNone(self.traced.process.poll(), f"{self.traced.name} ended")
            return (*self.traced.sample(), counter.moves(), time.monotonic())

        with soak_tools.moving_pointer(self.display):
            start = sample_after(warm_up)
            end = sample_after(start[2] + ticks)
        print(f"\n{self.traced.name}: {end[2] - start[2]} moves at {(end[2] - start[2]) / (end[3] - start[3]):.1f}/s;"
              f" GDI objects {start[0]} -> {end[0]}; VmRSS {start[1]} -> {end[1]} KiB", flush=True)
        return end[0] - start[0], end[1] - start[1]


class SoakTest(Measured):
    def test_handles_and_memory_stay_flat_while_the_lens_follows_the_pointer(self):
        objects, rss = self.growth(self.lens, 400, TICKS)
        self.assertLessEqual(objects, GDI_GROWTH_BOUND, f"GDI objects grew over {TICKS} ticks")
        self.assertLessEqual(rss, RSS_GROWTH_BOUND_KIB, f"VmRSS grew over {TICKS} ticks")


class LeakMeasurementTest(Measured):
    START = False

    def test_the_measurement_sees_a_leak_of_one_display_dc_per_tick(self):
        self.start(vistak_e2e.helper_exe("SOAK_LEAKY_TICK"))
        window = vistak_e2e.poll(lambda: self.display.windows(name="soak leaky tick"), timeout=40,
                                 what="the leaking program's window")[0][0]
        objects, rss = self.growth(window, 20, LEAK_TICKS)
        self.assertGreaterEqual(objects, 2 * LEAK_TICKS, "the GDI count missed the leak")
        # Scaled to the long run, the leak's memory growth far exceeds the bound the program must keep.
        self.assertGreater(rss * TICKS / LEAK_TICKS, 2 * RSS_GROWTH_BOUND_KIB, "VmRSS missed the leak")


if __name__ == "__main__":
    unittest.main()
