"""What the program's design puts on a 1024 x 768 screen at 96 dpi, as the tests see it under Wine
without a window manager (a captioned window's X window is its client area)."""

SCREEN = (1024, 768)
CENTRE = (512, 384)

SPLASH_SIZE = (308, 383)
SPLASH_AT = ((SCREEN[0] - SPLASH_SIZE[0]) // 2, (SCREEN[1] - SPLASH_SIZE[1]) // 2)
SPLASH_PICTURE = (154, 150)     # a point on the picture, which a click closes
SPLASH_STRIP_TOP = 336          # the bottom strip with the web address, whose clicks do nothing

LENS_SIZE = (512, 96)           # zoom 2.5
LENS_AT_CENTRE = (352, 403, *LENS_SIZE)

SETTINGS_CAPTION = "Vistak by Pelmaro - Lurno"
SETTINGS_SIZE = (637, 147)
# The window's frame at the screen's top-left corner: 3-pixel border, 19-pixel caption bar.
SETTINGS_AT_CORNER = (3, 22, *SETTINGS_SIZE)
SETTINGS_BACKGROUND = (128, 128, 255)
# Client rectangles (left, top, width, height).
ZOOM_BUTTON_SIZE = (87, 46)
ZOOM_BUTTONS = {
    "1.50": (192, 6), "2.00": (282, 6), "2.50": (370, 6), "3.00": (460, 6), "3.50": (548, 6),
    "4.00": (192, 56), "5.00": (282, 56), "6.00": (370, 56), "7.00": (460, 56), "8.00": (548, 56),
}
CHIUDI = (282, 104, 175, 41)
FINE = (460, 104, 175, 41)
READOUT = (12, 50, 175, 55)

# Each zoom button: the settings file it writes, and the lens it gives with the pointer at CENTRE.
ZOOM_TABLE = [
    ("1.50", b" 1.5 \r\n", (416, 403, 307, 58)),
    ("2.00", b" 2 \r\n", (384, 403, 410, 77)),
    ("2.50", b" 2.5 \r\n", (352, 403, 512, 96)),
    ("3.00", b" 3 \r\n", (320, 403, 614, 115)),
    ("3.50", b" 3.5 \r\n", (288, 403, 717, 134)),
    ("4.00", b" 4 \r\n", (256, 403, 819, 154)),
    ("5.00", b" 5 \r\n", (192, 403, 1024, 192)),
    ("6.00", b" 6 \r\n", (128, 403, 1024, 230)),
    ("7.00", b" 7 \r\n", (64, 403, 1024, 269)),
    ("8.00", b" 8 \r\n", (0, 403, 1024, 307)),
]

TRAY_NAME = "Wine System Tray"
