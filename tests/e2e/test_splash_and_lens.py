"""Start-up and the lens as the user sees them: the splash window, its closing, one copy at a time, where the
lens goes and what it shows, the error report."""
import pathlib
import subprocess
import time

import design
from vistak_e2e import WINE, Session, helper_exe, poll

ZOOM = 2.5  # the start zoom, at which the lens test reads the screen
SPLASH_IMAGE = pathlib.Path(__file__).parents[2] / "resources" / "splash.bmp"
NAVY = (0, 0, 128)


def image_rows(path):
    out = subprocess.run(["convert", str(path), "-format", "%w\n", "-write", "info:-", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True, timeout=30).stdout
    width, raw = out.split(b"\n", 1)
    row = int(width) * 3
    return [[tuple(raw[i:i + 3]) for i in range(start, start + row, 3)] for start in range(0, len(raw), row)]


class ScaledSplashTest(Session):
    START = False
    DPI = 144  # 150 %

    def test_at_150_percent_the_picture_fills_the_splash_above_its_strip_and_the_pointer_goes_by_15_twips(self):
        self.start()
        wid, x, y, width, height = self.splash(size=design.SPLASH_144[2:])[:5]
        seen = time.monotonic()
        self.assertEqual([w[:5] for w in self.program_windows()], [(wid, *design.SPLASH_144)],
                         "the splash is not centred, or not the only window")
        self.assertEqual(self.display.pointer(), design.POINTER_144)
        strip_top, (left, top, label_width, label_height) = design.SPLASH_144_STRIP_TOP, design.SPLASH_144_LABEL
        # On the web address, then on the bare strip beside it, at its top and bottom rows.
        for point in [(left + label_width // 2, top + label_height // 2), (3, strip_top), (width - 5, height - 1)]:
            self.display.click(x + point[0], y + point[1])
        self.assert_meanwhile(1.0, self.window_ids, [wid], "a click on the bottom strip closed the splash")
        shown = self.display.settled_pixels(x, y, width, height, "the painted splash", lambda rows: rows[0][0] == NAVY)
        picture = image_rows(SPLASH_IMAGE)
        # Each pixel above the strip is one of the picture's, from where it lies on the picture grown by 1.5
        # (give or take a picture pixel): a band of the window's colour beside or below an unscaled picture is not.
        wrong = [(sx, sy, pixel) for sy, row in enumerate(shown[:strip_top]) for sx, pixel in enumerate(row)
                 if pixel not in {r[i] for r in picture[max(0, sy * 2 // 3 - 1):sy * 2 // 3 + 2]
                                  for i in range(max(0, sx * 2 // 3 - 1), min(len(r), sx * 2 // 3 + 2))}]
        self.assertEqual(wrong[:5], [], f"{len(wrong)} pixels above the strip are not the picture's (x, y, colour)")
        # The strip is navy to the bottom, but for the web address, centred in its label.
        text = [(sx, sy) for sy, row in enumerate(shown[strip_top:], strip_top) for sx, pixel in enumerate(row)
                if pixel != NAVY]
        self.assertGreater(len(text), 500, "the strip shows no web address")
        outside = [p for p in text if not (left <= p[0] < left + label_width and top <= p[1] < top + label_height)]
        self.assertEqual(outside[:5], [], f"{len(outside)} pixels of the address lie outside its label")
        xs = [p[0] for p in text]
        self.assertLessEqual(abs(min(xs) + max(xs) + 1 - 2 * left - label_width), 6, "the address is not centred")
        # Without a click on the picture, the splash gives way to the lens at its timer's second tick.
        self.wait_gone(wid, "the splash")
        stayed = time.monotonic() - seen
        self.assertTrue(5.0 <= stayed <= 9.5, f"without a click on the picture the splash stayed {stayed:.1f} s")
        poll(lambda: [w[3:5] for w in self.program_windows()], timeout=5, what="the lens", expect=[design.LENS_SIZE])


class StartupTest(Session):
    START = False

    def test_a_click_on_the_picture_closes_the_splash_at_once_a_second_copy_ends_and_the_lens_enlarges(self):
        self.cover_with_blocks(0, 0, *design.SCREEN, seed=1)
        lens_after = self.start_past_splash()
        # Left alone, the splash gives way at its timer's second tick, 6 s after it loaded.
        self.assertLess(lens_after, 4.5, "the splash waited for its timer")
        before = sorted(w[0] for w in self.display.windows())
        second = self.display.start([WINE, self.exe])
        poll(lambda: second.poll() is not None, timeout=15, what="the second copy to end")
        self.assertEqual(sorted(w[0] for w in self.display.windows()), before, "the second copy showed a window")
        self.assertEqual(self.display.pointer(), design.PICTURE_POINT, "the second copy moved the pointer")
        # The first copy's lens goes on. Pointer, lens corner and the corner of the area it shows: below the
        # pointer; pushed down near the top (the area stops at the screen's top); flipped above it near the
        # bottom; stopped at the left edge (so is the area); reaching past the right edge.
        for pointer, lens, source in [(design.CENTRE, (352, 403), (448, 365)), ((512, 19), (352, 77), (448, 0)),
                                      ((512, 653), (352, 509), (448, 634)), ((20, 400), (0, 419), (0, 381)),
                                      (design.ELSEWHERE, design.LENS_ELSEWHERE[:2], (636, 581))]:
            with self.subTest(pointer=pointer):
                self.move_and_wait_lens(pointer, (*lens, *design.LENS_SIZE))
                self.assert_lens_shows(lens, source, ZOOM, (min(design.LENS_SIZE[0], design.SCREEN[0] - lens[0]),
                                                            design.LENS_SIZE[1]))

    def test_untrapped_error_shows_one_report_hides_lens_and_ends_process(self):
        # This build's zoom turns absurd a moment after the lens shows, and the next tick overflows.
        self.start_past_splash(helper_exe("E2E_FAULTY_VISTAK"))
        report = poll(lambda: self.display.windows(pid=self.vistak.pid, name="Vistak"), timeout=15,
                      what="the error report")[0][0]
        # While it shows no tick runs (each would raise again), no second report stacks, and the lens is gone.
        self.assert_meanwhile(2.0, self.window_ids, [report], "a tick ran while the report showed")
        self.display.keys(report, "Return")
        self.assertNotEqual(self.wait_exit(timeout=10), 0)
