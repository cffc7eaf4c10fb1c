"""Long run: Vistak's GDI objects and resident memory stay flat over many zoom ticks while the lens follows a
moving pointer. Environment (besides the e2e harness's): SOAK_TICKS (lens moves to run, default 3000)."""
import os
import time

import soak_tools
from soak_tools import vistak_e2e

TICKS = int(os.environ.get("SOAK_TICKS", "3000"))
GDI_GROWTH_BOUND = 16         # objects, whatever the length of the run
RSS_GROWTH_BOUND_KIB = 6 * 1024


class SoakTest(vistak_e2e.Session):
    def start(self, exe=None):
        self.traced = soak_tools.Traced(self.display, exe or self.exe, self.folder)
        self.vistak = self.traced.process

    def test_handles_and_memory_stay_flat_while_the_lens_follows_the_pointer(self):
        counter = soak_tools.MoveCounter(self.display, self.lens)
        self.addCleanup(counter.close)

        def sample_after(moves):
            """(GDI objects, VmRSS in KiB, lens moves, time) once the lens has moved that often."""
            vistak_e2e.poll(lambda: counter.moves() >= moves or self.vistak.poll() is not None,
                            timeout=moves / 5 + 60, interval=0.5, what=f"{moves} moves of the lens")
            self.assertIsNone(self.vistak.poll(), "Vistak ended")
            return (*self.traced.sample(), counter.moves(), time.monotonic())

        with soak_tools.moving_pointer(self.display):
            start = sample_after(400)
            end = sample_after(start[2] + TICKS)
        print(f"\n{end[2] - start[2]} lens moves at {(end[2] - start[2]) / (end[3] - start[3]):.1f}/s;"
              f" GDI objects {start[0]} -> {end[0]}; VmRSS {start[1]} -> {end[1]} KiB", flush=True)
        self.assertLessEqual(end[0] - start[0], GDI_GROWTH_BOUND, f"GDI objects grew over {TICKS} ticks")
        self.assertLessEqual(end[1] - start[1], RSS_GROWTH_BOUND_KIB, f"VmRSS grew over {TICKS} ticks")
