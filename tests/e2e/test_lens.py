"""The lens: where it goes for a pointer position, and what it shows."""
import os
import struct
import tempfile
import unittest
import zlib

import design
from vistak_e2e import Session, poll

ZOOM = 2.5


def write_png(path, width, height, colour_at):
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(colour_at(x, y))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))


# A screen of 16 x 8 blocks whose colour tells where the block is, within a few blocks
# (few colours in all, so that the picture viewer shows them unchanged).
BLOCK_W, BLOCK_H = 16, 8
LEVELS = (0, 51, 102, 153, 204, 255)


def pattern(x, y):
    bx, by = x // BLOCK_W, y // BLOCK_H
    return (LEVELS[bx % 6], LEVELS[by % 6], 64 if (bx // 6 + by // 6) % 2 else 192)


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
    WIDTH, HEIGHT = design.SCREEN

    def setUp(self):
        super().setUp()
        picture = os.path.join(self.folder, "pattern.png")
        write_png(picture, self.WIDTH, self.HEIGHT, pattern)
        self.display.start(["display", "-geometry", "+0+0", "-immutable", picture])
        poll(lambda: self.display.pixels(5, 5, 1, 1)[0][0] == pattern(5, 5), timeout=20,
             what="the pattern on the screen")
        self.vistak = self.start()
        self.lens = self.past_splash(self.vistak)
        self.lens_size = design.LENS_SIZE

    def check_enlargement(self, pointer):
        px, py = pointer
        source_x = max(0, round(px - 64))
        source_y = max(0, round(py - self.HEIGHT / 40))
        width, height = self.lens_size
        # Where the lens goes (checked on its own above): below the source rectangle, or above the
        # pointer near the bottom, or pushed down near the top.
        left = max(0, px - 64 * ZOOM)
        top = py + self.HEIGHT / 40
        if top > self.HEIGHT - height:
            top = py - height - self.HEIGHT / 40 * ZOOM
        if top <= self.HEIGHT / 20:
            top = self.HEIGHT / 20 * 2
        lens = (round(left), round(top), width, height)
        self.move_and_wait_lens(pointer, lens)
        left, top = lens[:2]
        self.assertGreater(top, source_y + self.HEIGHT / 20 - 1, "the lens covers what it shows")

        # What the lens should show is what is on the screen in the source rectangle (the lens
        # never covers it). Lens pixels are checked where their source point lies well inside a
        # plain patch of the screen; the bottom rows are left out, where the source may reach
        # the lens's own top row.
        src_w, src_h = self.WIDTH / 5, self.HEIGHT / 20
        grab_x, grab_y = max(0, source_x - 2), max(0, source_y - 2)
        grab_w = min(self.WIDTH, int(source_x + src_w) + 3) - grab_x
        grab_h = min(self.HEIGHT, int(source_y + src_h) + 3) - grab_y
        screen = self.display.pixels(grab_x, grab_y, grab_w, grab_h)

        def on_screen(x, y):
            return screen[int(y) - grab_y][int(x) - grab_x]

        visible_width = min(width, self.WIDTH - left)
        samples = []
        for ly in range(1, height - 6, 3):
            for lx in range(1, visible_width - 1, 5):
                sx, sy = source_x + lx / ZOOM, source_y + ly / ZOOM
                if not (grab_x <= sx - 1.5 and sx + 1.5 < grab_x + grab_w and sy + 1.5 < grab_y + grab_h):
                    continue
                around = {on_screen(sx + dx, sy + dy) for dx in (-1.5, 0, 1.5) for dy in (-1.5, 0, 1.5)
                          if sy + dy >= grab_y}
                if len(around) == 1:
                    samples.append((lx, ly, around.pop()))
        self.assertGreater(len(samples), 500)
        self.assertGreater(len({want for _, _, want in samples}), 8, "the screen under the source is too plain")

        wrong = []

        def shows_enlargement():
            # Only the part on the screen can be read: near the right edge the lens reaches past it.
            shown = self.display.pixels(left, top, visible_width, height)
            wrong[:] = [(lx, ly, shown[ly][lx], want) for lx, ly, want in samples if shown[ly][lx] != want]
            return not wrong

        try:
            poll(shows_enlargement, timeout=8, interval=0.2, what="the enlarged picture")
        except AssertionError:
            self.display.screenshot(os.path.join(tempfile.gettempdir(), "vistak-e2e-lens-picture.png"))
            self.fail(f"pointer {pointer}, lens at {lens}: {len(wrong)} of {len(samples)} pixels differ, "
                      f"first (lens x, lens y, shown, expected): {wrong[:5]}")

    def test_lens_shows_the_area_around_the_pointer_enlarged(self):
        # The last: the source rectangle stops at the screen's left edge.
        for pointer in [(512, 384), (300, 200), (700, 600), (20, 400)]:
            with self.subTest(pointer=pointer):
                self.check_enlargement(pointer)


if __name__ == "__main__":
    unittest.main()
