"""The lens: where it goes for a pointer position, and what it shows."""
import os
import shutil
import struct
import tempfile
import time
import unittest
import zlib

from vistak_e2e import Display, VistakTestCase, poll

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


# A screen of 16 x 8 blocks whose colour tells where the block is.
BLOCK_W, BLOCK_H = 16, 8


def pattern(x, y):
    bx, by = x // BLOCK_W, y // BLOCK_H
    return (40 + (bx * 37) % 200, 40 + (by * 53) % 200, 60 if (bx + by) % 2 else 190)


def lens_windows(display, pid, size):
    return [w for w in display.windows(pid=pid) if (w[3], w[4]) == size]


class LensCase(VistakTestCase):
    """One Vistak per class, its splash clicked away, on a display of the class's size."""
    WIDTH, HEIGHT = 1024, 768
    PATTERN = False

    @classmethod
    def setUpClass(cls):
        cls.lens_size = (round(cls.WIDTH / 5 * ZOOM), round(cls.HEIGHT / 8 / 2.5 * ZOOM))
        cls.display = Display(cls.WIDTH, cls.HEIGHT).__enter__()
        cls.class_folder = tempfile.mkdtemp(prefix="vistak-e2e-lens-")
        try:
            if cls.PATTERN:
                picture = os.path.join(cls.class_folder, "pattern.png")
                write_png(picture, cls.WIDTH, cls.HEIGHT, pattern)
                cls.display.start(["display", "-geometry", "+0+0", "-immutable", picture])
                poll(lambda: cls.display.pixels(5, 5, 1, 1)[0][0] == pattern(5, 5), timeout=20,
                     what="the pattern on the screen")
            exe = os.path.join(cls.class_folder, "Vistak.exe")
            shutil.copy(os.environ.get("VISTAK_EXE", ""), exe)
            cls.vistak = cls.display.start_vistak(exe)
            splash = poll(lambda: lens_windows(cls.display, cls.vistak.pid, (308, 383)), timeout=40,
                          what="the splash window")[0]
            cls.display.click(splash[1] + 154, splash[2] + 150)
            cls.lens = poll(lambda: lens_windows(cls.display, cls.vistak.pid, cls.lens_size), timeout=10,
                            what="the lens window")[0][0]
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.display.__exit__(None, None, None)
        shutil.rmtree(cls.class_folder, True)

    def setUp(self):
        # The program runs for the whole class: no private copy per test.
        self.assertIsNone(self.vistak.poll(), "Vistak is not running")

    def geometry(self):
        info = self.display.run(["xwininfo", "-id", self.lens], check=False).stdout
        if "IsViewable" not in info:
            return None
        values = {}
        for row in info.splitlines():
            key, _, value = row.strip().partition(":")
            if key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                values[key] = int(value)
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"], values["Height"])

    def check_lens_at(self, pointer, expected):
        self.display.move(*pointer)
        seen = []

        def placed():
            seen.append(self.geometry())
            return seen[-1] == expected

        try:
            poll(placed, timeout=5, what=f"lens at {expected}")
        except AssertionError:
            self.fail(f"pointer {pointer}: lens at {seen[-1]}, expected {expected}")


class LensPlacement1024Test(LensCase):
    def test_lens_goes_where_the_pointer_says(self):
        cases = [
            ((512, 384), (352, 403, 512, 96)),
            ((0, 0), (0, 77, 512, 96)),
            ((1023, 767), (863, 623, 512, 96)),
            ((512, 652), (352, 671, 512, 96)),
            ((512, 653), (352, 509, 512, 96)),
            ((512, 19), (352, 77, 512, 96)),
            ((512, 20), (352, 39, 512, 96)),
            ((159, 300), (0, 319, 512, 96)),
            ((161, 300), (1, 319, 512, 96)),
            ((1023, 5), (863, 77, 512, 96)),
        ]
        for pointer, expected in cases:
            with self.subTest(pointer=pointer):
                self.check_lens_at(pointer, expected)

    def test_lens_follows_the_pointer_back_and_forth(self):
        for _ in range(2):
            self.check_lens_at((512, 653), (352, 509, 512, 96))
            self.check_lens_at((512, 652), (352, 671, 512, 96))


class LensPlacement1920Test(LensCase):
    WIDTH, HEIGHT = 1920, 1080

    def test_lens_goes_where_the_pointer_says(self):
        for pointer, expected in [((960, 540), (800, 567, 960, 135)), ((1919, 1079), (1759, 876, 960, 135))]:
            with self.subTest(pointer=pointer):
                self.check_lens_at(pointer, expected)


class LensPictureTest(LensCase):
    PATTERN = True

    def check_enlargement(self, pointer):
        px, py = pointer
        source_x = max(0, round(px - 64))
        source_y = max(0, round(py - self.HEIGHT / 40))
        width, height = self.lens_size
        lens = None

        def placed():
            nonlocal lens
            lens = self.geometry()
            return lens and lens[2:] == (width, height)

        self.display.move(px, py)
        poll(placed, timeout=5, what="the lens")
        left, top = lens[:2]
        self.assertGreater(top, source_y + self.HEIGHT / 20 - 1, "the lens covers what it shows")

        # Lens pixels whose source point is well inside a block; the bottom rows are left out,
        # where the source may reach the lens's own top row.
        samples = []
        for ly in range(1, height - 6, 3):
            for lx in range(1, min(width, self.WIDTH - left) - 1, 5):
                sx, sy = source_x + lx / ZOOM, source_y + ly / ZOOM
                if min(sx % BLOCK_W, BLOCK_W - sx % BLOCK_W) < 1.5 or min(sy % BLOCK_H, BLOCK_H - sy % BLOCK_H) < 1.5:
                    continue
                samples.append((lx, ly, pattern(int(sx), int(sy))))
        self.assertGreater(len(samples), 500)

        wrong = []

        def shows_enlargement():
            shown = self.display.pixels(left, top, width, height)
            wrong[:] = [(lx, ly, shown[ly][lx], want) for lx, ly, want in samples if shown[ly][lx] != want]
            return not wrong

        try:
            poll(shows_enlargement, timeout=8, interval=0.2, what="the enlarged picture")
        except AssertionError:
            self.display.screenshot(os.path.join(tempfile.gettempdir(), "vistak-e2e-lens-picture.png"))
            self.fail(f"pointer {pointer}, lens at {lens}: {len(wrong)} of {len(samples)} pixels differ, "
                      f"first (lens x, lens y, shown, expected): {wrong[:5]}")

    def test_lens_shows_the_area_around_the_pointer_enlarged(self):
        for pointer in [(512, 384), (300, 200), (700, 600)]:
            with self.subTest(pointer=pointer):
                self.check_enlargement(pointer)

    def test_lens_shows_the_top_left_corner_enlarged(self):
        # The source rectangle stops at the screen's edges.
        self.check_enlargement((20, 10))


if __name__ == "__main__":
    unittest.main()
