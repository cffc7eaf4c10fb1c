"""The lens on several monitors, each covered with plain blocks: it takes the size and edges of the monitor under the
pointer, placed in that monitor's frame, and shows the screen around the pointer enlarged."""
import design
from vistak_e2e import Session

ZOOM = 2.5  # the start zoom
PRIMARY = (0, 0, *design.SCREEN)
# Each layout: its monitors (Windows' left, top, width, height; the primary first) and the pointer's way, in Windows'
# coordinates: the other monitor's middle, near each of its edges, and across the border with the primary.
# Where the primary is not X's first screen (the largest is, see Display), the pointer stays, while Vistak runs, within
# the monitors' rectangle in Windows' coordinates taken as X's (measured, cause unknown): left of X's column 1024 in the
# first layout, 1088 in the last. The left monitor's last 256 columns and the below one's last 64 are out of its reach.
LAYOUTS = {
    "LargerLeft": ([PRIMARY, (-1280, 0, 1280, 1024)],
                   [(-640, 512), (-1275, 300), (-640, 10), (-640, 1015), (-257, 500), (0, 500)]),
    # Its odd top: above the pointer near its bottom the lens's top is a half (484.5 in its frame, 585 on the screen).
    "SmallerRightLower": ([PRIMARY, (1024, 101, 800, 600)],
                          [(1424, 401), (1023, 300), (1024, 300), (1819, 250), (1424, 105), (1424, 698)]),
    "Below": ([PRIMARY, (-64, 768, 1152, 864)],
              [(512, 1200), (-60, 1000), (1023, 1000), (512, 767), (512, 768), (512, 1630)]),
}


class LensOnMonitors:
    START = False
    MONITORS = POINTERS = None

    def to_x(self, point):
        return point[0] + self.display.origin[0], point[1] + self.display.origin[1]

    def test_the_lens_takes_the_size_and_edges_of_the_monitor_under_the_pointer_and_shows_it_enlarged(self):
        for seed, monitor in enumerate(self.MONITORS):
            self.cover_with_blocks(*self.to_x(monitor), *monitor[2:], seed)
        self.start_past_splash()
        for pointer in self.POINTERS:
            with self.subTest(pointer=pointer):
                monitor = next(m for m in self.MONITORS
                               if m[0] <= pointer[0] < m[0] + m[2] and m[1] <= pointer[1] < m[1] + m[3])
                lens, source = design.tick(monitor, ZOOM, pointer)
                self.move_and_wait_lens(self.to_x(pointer), (*self.to_x(lens), *lens[2:]),
                                        f"the lens in the frame of the monitor at {monitor}")
                self.assertEqual(self.display.pointer(), self.to_x(pointer), "the pointer did not stay where it went")
                # Checked where it lies on its monitor: near the right edge it reaches past it.
                self.assert_lens_shows(self.to_x(lens), self.to_x(source), ZOOM,
                                       (min(lens[2], monitor[0] + monitor[2] - lens[0]), lens[3]))


for name, (monitors, pointers) in LAYOUTS.items():
    globals()[f"{name}Test"] = type(f"{name}Test", (LensOnMonitors, Session),
                                    {"MONITORS": monitors, "POINTERS": pointers})
