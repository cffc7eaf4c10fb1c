"""Long run: Vistak's GDI objects and resident memory stay flat over many zoom
ticks while the lens follows a moving pointer; and the same measurement does
see a program that leaks a display DC and a bitmap at each tick.

Environment (besides the e2e harness's VISTAK_EXE, WINE, E2E_WINEPREFIX):
SOAK_TICKS (lens moves to run, default 3000), SOAK_GUI_RESOURCES and
SOAK_LEAKY_TICK (the helper programs, built with the tests).
"""
import os
import time
import unittest

import soak_tools
from soak_tools import vistak_e2e

TICKS = int(os.environ.get("SOAK_TICKS", "3000"))
WARM_UP_TICKS = 400           # about 20 s of ticks before the first sample
GDI_GROWTH_BOUND = 16         # objects, whatever the length of the run
RSS_GROWTH_BOUND_KIB = 6 * 1024
LEAKED_OBJECTS = 1000          # a DC and a bitmap a tick: about 500 ticks


class SoakTest(vistak_e2e.Session):
    def test_handles_and_memory_stay_flat_while_the_lens_follows_the_pointer(self):
        pid = soak_tools.window_pid(self.display, self.lens)
        counter = soak_tools.MoveCounter(self.display, self.lens)
        self.addCleanup(counter.close)

        def sample_after(moves):
            vistak_e2e.poll(lambda: counter.moves() >= moves or self.vistak.poll() is not None,
                            timeout=moves / 5 + 60, interval=0.5, what=f"{moves} moves of the lens")
            self.assert_running()
            return soak_tools.gdi_objects(self.display, "Vistak.exe"), soak_tools.rss_kib(pid), time.monotonic()

        with soak_tools.moving_pointer(self.display):
            start = sample_after(WARM_UP_TICKS)
            first_move = counter.moves()
            end = sample_after(first_move + TICKS)
        moves = counter.moves() - first_move
        print(f"\nVistak.exe: {moves} moves at {moves / (end[2] - start[2]):.1f}/s; GDI objects {start[0]} -> "
              f"{end[0]}; VmRSS {start[1]} -> {end[1]} KiB", flush=True)
        self.assertLessEqual(end[0] - start[0], GDI_GROWTH_BOUND, f"GDI objects grew over {TICKS} ticks")
        self.assertLessEqual(end[1] - start[1], RSS_GROWTH_BOUND_KIB, f"VmRSS grew over {TICKS} ticks")


class LeakMeasurementTest(vistak_e2e.Session):
    START = False

    def test_the_measurement_sees_a_leak_of_one_display_dc_per_tick(self):
        leaky_tick = vistak_e2e.helper_exe("SOAK_LEAKY_TICK")
        name = os.path.basename(leaky_tick)
        self.display.start([vistak_e2e.WINE, leaky_tick, str(10 ** 9)])
        window = vistak_e2e.poll(lambda: self.display.windows(name="soak leaky tick"), timeout=40,
                                 what="the leaking program's window")[0][0]
        pid = soak_tools.window_pid(self.display, window)
        start = soak_tools.gdi_objects(self.display, name), soak_tools.rss_kib(pid)
        vistak_e2e.poll(lambda: soak_tools.gdi_objects(self.display, name) - start[0] >= LEAKED_OBJECTS,
                        timeout=120, interval=1, what=f"the GDI count to see {LEAKED_OBJECTS} leaked objects")
        rss_growth = soak_tools.rss_kib(pid) - start[1]
        print(f"\n{name}: VmRSS grew {rss_growth} KiB over about {LEAKED_OBJECTS // 2} ticks", flush=True)
        # Scaled to the long run, the leak's memory growth far exceeds the bound the program must keep.
        self.assertGreater(rss_growth * TICKS / (LEAKED_OBJECTS // 2), RSS_GROWTH_BOUND_KIB * 2,
                           "VmRSS missed the leak")


if __name__ == "__main__":
    unittest.main()
