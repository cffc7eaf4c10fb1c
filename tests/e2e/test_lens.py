"""The lens: where it goes for a pointer position, and what it shows."""
import os
import subprocess

import design
from vistak_e2e import Session, poll

ZOOM = 2.5


class LensTest(Session):
    START = False

    def test_lens_goes_by_the_pointer_and_shows_the_area_around_it_enlarged(self):
        # A screen of plain 16 x 8 blocks in many colours.
        picture = os.path.join(self.folder, "blocks.ppm")
        subprocess.run(["convert", "-seed", "1", "-size", "64x96", "xc:", "+noise", "Random", "-scale", "1600%x800%",
                        picture], check=True, timeout=30)
        self.display.start(["display", "-geometry", "+0+0", "-immutable", picture])
        poll(lambda: self.display.windows(name="ImageMagick: blocks.ppm"), timeout=20, what="the picture")
        self.start_past_splash()
        # Pointer, lens corner and the corner of the area it shows: below the pointer; pushed down near the top
        # (the area stops at the screen's top); flipped above it near the bottom; stopped at the left edge
        # (so is the area); reaching past the right edge.
        for pointer, lens, source in [(design.CENTRE, (352, 403), (448, 365)), ((512, 19), (352, 77), (448, 0)),
                                      ((512, 653), (352, 509), (448, 634)), ((20, 400), (0, 419), (0, 381)),
                                      (design.ELSEWHERE, design.LENS_ELSEWHERE[:2], (636, 581))]:
            with self.subTest(pointer=pointer):
                self.move_and_wait_lens(pointer, (*lens, *design.LENS_SIZE))
                width, height = min(design.LENS_SIZE[0], design.SCREEN[0] - lens[0]), design.LENS_SIZE[1]
                # Each lens pixel shows the screen's pixel under it in the source area, replicated: checked where
                # the source point lies well inside a plain patch of the screen, off the lens's own top row.
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
