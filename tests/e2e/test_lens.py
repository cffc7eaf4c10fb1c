"""The lens: where it goes for a pointer position, and what it shows."""
import os
import unittest

import design
from vistak_e2e import Session, poll

ZOOM = 2.5
# A screen of 16 x 8 blocks whose colour tells where the block is, within a few blocks
# (few colours in all, so that the picture viewer shows them unchanged).
LEVELS = (0, 51, 102, 153, 204, 255)


def pattern(x, y):
    bx, by = x // 16, y // 8
    return LEVELS[bx % 6], LEVELS[by % 6], 64 if (bx // 6 + by // 6) % 2 else 192


class LensPlacementTest(Session):
    def test_lens_goes_where_the_pointer_says(self):
        # Below the pointer, flipped above it near the bottom, pushed down near the top,
        # stopped at the left edge, not stopped at the right.
        for pointer, expected in [((512, 652), (352, 671)), ((512, 653), (352, 509)), ((512, 19), (352, 77)),
                                  ((512, 20), (352, 39)), ((159, 300), (0, 319)), ((161, 300), (1, 319)),
                                  ((1023, 767), (863, 623))]:
            with self.subTest(pointer=pointer):
                self.move_and_wait_lens(pointer, (*expected, *design.LENS_SIZE))


class WideScreenLensTest(Session):
    SCREEN = (1920, 1080)
    START = False

    def test_lens_goes_where_the_pointer_says_and_halves_round_to_even(self):
        self.vistak = self.start()
        self.lens = self.past_splash(self.vistak)
        for pointer, expected in [((960, 540), (800, 567, 960, 135)), ((1919, 1079), (1759, 876, 960, 135))]:
            with self.subTest(pointer=pointer):
                self.move_and_wait_lens(pointer, expected)


class LensPictureTest(Session):
    START = False

    def setUp(self):
        super().setUp()
        picture = os.path.join(self.folder, "pattern.ppm")
        width, height = design.SCREEN
        with open(picture, "wb") as out:
            out.write(b"P6 %d %d 255\n" % design.SCREEN +
                      b"".join(bytes(c for x in range(width) for c in pattern(x, y)) for y in range(height)))
        self.display.start(["display", "-geometry", "+0+0", "-immutable", picture])
        poll(lambda: self.display.pixels(5, 5, 1, 1)[0][0] == pattern(5, 5), timeout=20,
             what="the pattern on the screen")
        self.vistak = self.start()
        self.lens = self.past_splash(self.vistak)

    def test_lens_shows_the_area_around_the_pointer_enlarged(self):
        # Pointer, lens corner, and the corner of the area it shows, which stops at the screen's left edge.
        for pointer, lens, source in [((512, 384), (352, 403), (448, 365)), ((300, 200), (140, 219), (236, 181)),
                                      ((700, 600), (540, 619), (636, 581)), ((20, 400), (0, 419), (0, 381))]:
            with self.subTest(pointer=pointer):
                self.move_and_wait_lens(pointer, (*lens, *design.LENS_SIZE))
                # Only the part on the screen can be read: near the right edge the lens reaches past it.
                width, height = min(design.LENS_SIZE[0], design.SCREEN[0] - lens[0]), design.LENS_SIZE[1]
                # Each lens pixel shows the screen's pixel under it in the source area, replicated. Checked
                # where the source point lies well inside a plain patch of the screen; the bottom rows are left
                # out, where the source may reach the lens's own top row.
                gx, gy = max(0, source[0] - 2), max(0, source[1] - 2)
                screen = self.display.pixels(gx, gy, 210, 44)
                samples = []
                for ly in range(1, height - 6, 3):
                    for lx in range(1, width - 1, 5):
                        sx, sy = source[0] + lx / ZOOM, source[1] + ly / ZOOM
                        around = {screen[int(sy + e) - gy][int(sx + d) - gx] for d in (-1.5, 0, 1.5)
                                  for e in (-1.5, 0, 1.5) if sx + d >= gx and sy + e >= gy}
                        if len(around) == 1:
                            samples.append((lx, ly, around.pop()))
                self.assertGreater(len({want for *_, want in samples}), 8, "the screen under the source is too plain")

                def wrong():
                    shown = self.display.pixels(*lens, width, height)
                    return [(lx, ly, shown[ly][lx], want) for lx, ly, want in samples if shown[ly][lx] != want][:5]

                poll(wrong, timeout=8, interval=0.2, what=f"the enlarged picture among {len(samples)} samples "
                     "(lens x, lens y, shown, expected)", expect=[])


if __name__ == "__main__":
    unittest.main()
