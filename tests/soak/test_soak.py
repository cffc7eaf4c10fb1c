"""Long run: Vistak's GDI objects and resident memory stay flat over many zoom
ticks while the lens follows a moving pointer; and the same measurement does
see a program that leaks a display DC and a bitmap at each tick.

Environment (besides the e2e harness's VISTAK_EXE, WINE, E2E_WINEPREFIX):
SOAK_TICKS (lens moves to run, default 10000), SOAK_GUI_RESOURCES and
SOAK_LEAKY_TICK (the helper programs, built with the tests).
"""
import os
import time
import unittest

import soak_tools
from soak_tools import vistak_e2e

TICKS = int(os.environ.get("SOAK_TICKS", "10000"))
WARM_UP_TICKS = 600           # about 30 s of ticks before the first sample
LEAK_TICKS = max(200, TICKS // 10)
GDI_GROWTH_BOUND = 16         # objects, whatever the length of the run
RSS_GROWTH_BOUND_KIB = 6 * 1024


class SoakTest(vistak_e2e.VistakTestCase):

    def run_ticks(self, display, wid, exe_name, ticks, warm_up, alive):
        """Pointer on its path; samples (gdi, rss) after warm_up lens moves and after ticks more."""
        pid = soak_tools.window_pid(display, wid)
        self.assertIsNotNone(pid, "window without _NET_WM_PID")
        counter = soak_tools.MoveCounter(display, wid)
        self.addCleanup(counter.close)
        with soak_tools.PointerDriver(display):
            def after(moves, timeout):
                vistak_e2e.poll(lambda: counter.moves() >= moves or not alive(), timeout=timeout, interval=0.5,
                                what=f"{moves} moves of the window")
                self.assertTrue(alive(), f"{exe_name} ended during the run")
            after(warm_up, timeout=warm_up / 5 + 60)
            start = (soak_tools.gdi_objects(display, exe_name), soak_tools.rss_kib(pid), counter.moves(),
                     time.monotonic())
            after(start[2] + ticks, timeout=ticks / 5 + 120)
            end = (soak_tools.gdi_objects(display, exe_name), soak_tools.rss_kib(pid), counter.moves(),
                   time.monotonic())
        moves = end[2] - start[2]
        rate = moves / (end[3] - start[3])
        print(f"\n{exe_name}: {moves} moves at {rate:.1f}/s; GDI objects {start[0]} -> {end[0]}; "
              f"VmRSS {start[1]} -> {end[1]} KiB; load {os.getloadavg()[0]:.2f}", flush=True)
        return end[0] - start[0], end[1] - start[1]

    def test_handles_and_memory_stay_flat_while_the_lens_follows_the_pointer(self):
        with vistak_e2e.Display(1024, 768) as display:
            vistak = display.start_vistak(self.exe)
            lens = soak_tools.find_window(display, lambda w, h, name: (w, h) == (512, 96), "the lens window")
            gdi_growth, rss_growth = self.run_ticks(display, lens, "Vistak.exe", TICKS, WARM_UP_TICKS,
                                                    lambda: vistak.poll() is None)
        self.assertLessEqual(gdi_growth, GDI_GROWTH_BOUND, f"GDI objects grew by {gdi_growth} over {TICKS} ticks")
        self.assertLessEqual(rss_growth, RSS_GROWTH_BOUND_KIB, f"VmRSS grew by {rss_growth} KiB over {TICKS} ticks")

    def test_the_measurement_sees_a_leak_of_one_display_dc_per_tick(self):
        with vistak_e2e.Display(1024, 768) as display:
            leaky_tick = soak_tools.leaky_tick_exe()
            leaky_name = os.path.basename(leaky_tick)
            leaker = display.start([vistak_e2e.WINE, leaky_tick, str(10 ** 9)])
            window = soak_tools.find_window(display, lambda w, h, name: name == "soak leaky tick",
                                            "the leaking program's window")
            # The leaking window does not follow the pointer: count its ticks by time instead.
            pid = soak_tools.window_pid(display, window)
            with soak_tools.PointerDriver(display):
                time.sleep(2)
                start = soak_tools.gdi_objects(display, leaky_name), soak_tools.rss_kib(pid), time.monotonic()
                time.sleep(LEAK_TICKS / 20)
                self.assertIsNone(leaker.poll(), "the leaking program ended")
                end = soak_tools.gdi_objects(display, leaky_name), soak_tools.rss_kib(pid), time.monotonic()
        ticks = (end[2] - start[2]) * 20
        gdi_growth, rss_growth = end[0] - start[0], end[1] - start[1]
        print(f"\n{leaky_name}: ~{ticks:.0f} ticks; GDI objects {start[0]} -> {end[0]}; "
              f"VmRSS {start[1]} -> {end[1]} KiB", flush=True)
        # Each tick leaks at least a DC and a bitmap; allow for a busy machine running fewer ticks.
        self.assertGreaterEqual(gdi_growth, LEAK_TICKS, "the GDI count missed the leak")
        self.assertGreater(gdi_growth, GDI_GROWTH_BOUND * 10)
        # Scaled to the long run, the leak's memory growth far exceeds the bound the program must keep.
        self.assertGreater(rss_growth * TICKS / LEAK_TICKS, RSS_GROWTH_BOUND_KIB * 2,
                           "VmRSS missed the leak")


if __name__ == "__main__":
    unittest.main()
