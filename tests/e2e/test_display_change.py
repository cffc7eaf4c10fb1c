"""The resolution changes while Vistak runs: the lens, the closing splash and the pointer take the new screen. Vistak
runs in a Wine virtual desktop, whose resolution a program can change, at the display's top-left corner."""
import design
from vistak_e2e import DESKTOP_WINDOW, Session, helper_exe, poll

# Worked lens rectangles (left, top, width, height), at zoom 2.5 but for the last: W / 5 * zoom wide (at most W),
# H / 20 * zoom high, from x - 64 * zoom (at least 0); near the bottom, where y + height / zoom / 2 > H - height, it
# flips above the pointer to (y - height) - height / 2.
SHRUNK, GROWN = (800, 600), (1280, 1024)
NEAR_SHRUNK_BOTTOM = (400, 560)
LENS_NEAR_SHRUNK_BOTTOM = (240, 448, 400, 75)   # 560 + 15 > 600 - 75: (560 - 75) - 37.5 = 447.5, to even
NEAR_GROWN_BOTTOM = (640, 1000)
LENS_NEAR_GROWN_BOTTOM = (480, 808, 640, 128)   # 1000 + 25.6 > 1024 - 128: (1000 - 128) - 64
NEAR_GROWN_BOTTOM_8 = (400, 990)
LENS_NEAR_GROWN_BOTTOM_8 = (0, 376, 1280, 410)  # 2048 wide, limited; 409.6 high; (990 - 409.6) - 204.8 = 375.6
SPLASH_ON_GROWN = (486, 320, *design.SPLASH_SIZE)  # (1280 - 308) / 2, (1024 - 383) / 2 = 320.5
GROWN_CENTRE = (640, 512)


class DisplayChangeTest(Session):
    START = False
    SCREEN = GROWN
    DESKTOP = design.SCREEN

    def helper(self, *args):
        return self.display.run(self.wine(helper_exe("E2E_SYSTEM_MESSAGES"), *args), timeout=60).stdout

    def wait_window(self, window_class, expect, what):
        poll(lambda: tuple(map(int, self.helper("window", window_class).split())), timeout=30, what=what, expect=expect)

    def resize(self, size):
        self.helper("resize", *map(str, size))
        poll(lambda: [w[1:5] for w in self.display.windows(name=DESKTOP_WINDOW)],
             what=f"the desktop at {size}", expect=[(0, 0, *size)])

    def move_and_wait_lens(self, pointer, expected, what="the lens"):
        self.display.xdotool("mousemove", *pointer)
        self.wait_window("VistakLens", expected, f"{what} at {expected} (pointer at {pointer})")

    def open_settings(self):
        self.display.xdotool("mousemove", GROWN[0] - 10, GROWN[1] - 10, "mousedown", 3)
        # Framed around design.SETTINGS_AT_CORNER, as Wine draws the frame in a virtual desktop.
        self.wait_window("VistakSettings", (0, 0, 643, 172), "the settings window at the corner")
        self.display.xdotool("key", "Escape", "mouseup", 3)
        self.wait_window("#32768", (), "the tray menu to close")

    def test_after_the_screen_shrinks_and_grows_the_lens_and_the_closing_splash_take_the_new_screen(self):
        self.start()
        self.wait_window("VistakSplash", (*design.SPLASH_AT, *design.SPLASH_SIZE), "the splash")
        self.display.click(*design.PICTURE_POINT)
        self.move_and_wait_lens(design.CENTRE, design.LENS_AT_CENTRE)
        self.resize(SHRUNK)
        self.move_and_wait_lens(NEAR_SHRUNK_BOTTOM, LENS_NEAR_SHRUNK_BOTTOM, "the lens flipped above the pointer")
        self.resize(GROWN)
        self.move_and_wait_lens(NEAR_GROWN_BOTTOM, LENS_NEAR_GROWN_BOTTOM, "the lens flipped above the pointer")
        # Zoom 8: the lens is as wide as the screen.
        self.wait_window("Shell_TrayWnd", (0, GROWN[1] - 20, GROWN[0], 20), "the taskbar at the bottom")
        self.open_settings()
        self.click_client(design.ZOOM["8.00"][0])
        self.move_and_wait_lens(NEAR_GROWN_BOTTOM_8, LENS_NEAR_GROWN_BOTTOM_8, "the lens at zoom 8")
        # The source's top 40 rows, from y 964, are bare desktop: the lens's top rows show its colour across the whole
        # width, past the columns of the screen it started on.
        left, top, width = LENS_NEAR_GROWN_BOTTOM_8[:3]
        colour = self.display.pixels(GROWN[0] - 1, 0, 1, 1)[0][0]
        poll(lambda: [(x, y, pixel) for y, row in enumerate(self.display.pixels(left, top, width, 160))
                      for x, pixel in enumerate(row) if pixel != colour][:5], timeout=10, interval=0.2,
             what=f"the lens's top rows in the desktop's colour {colour} (x, y, shown)", expect=[])
        # "FINE": the closing splash is centred on the grown screen and puts the pointer at its centre.
        self.open_settings()
        self.click_client(design.FINE)
        self.wait_window("VistakSplash", SPLASH_ON_GROWN, "the closing splash centred on the grown screen")
        poll(self.display.pointer, what="the pointer at the grown screen's centre", expect=GROWN_CENTRE)
