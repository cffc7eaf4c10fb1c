"""What the program's design puts on a 1024 x 768 screen at 96 dpi, as the tests see it under Wine
without a window manager (a captioned window's X window is its client area)."""

SCREEN = (1024, 768)
CENTRE = (512, 384)

SPLASH_SIZE = (308, 383)
SPLASH_AT = ((SCREEN[0] - SPLASH_SIZE[0]) // 2, (SCREEN[1] - SPLASH_SIZE[1]) // 2)
SPLASH_PICTURE = (154, 150)     # a point on the picture, which a click closes
PICTURE_POINT = (SPLASH_AT[0] + SPLASH_PICTURE[0], SPLASH_AT[1] + SPLASH_PICTURE[1])

# At 144 dpi (150 %) the splash grows with its design in twips; the pointer goes where 15 twips a pixel put it.
SPLASH_144 = (281, 96, 462, 575)
SPLASH_144_STRIP_TOP = 504
SPLASH_144_LABEL = (12, 510, 446, 56)  # in the client area
POINTER_144 = (341, 256)

LENS_SIZE = (512, 96)           # zoom 2.5
LENS_AT_CENTRE = (352, 403, *LENS_SIZE)
ELSEWHERE = (700, 600)
LENS_ELSEWHERE = (540, 619, *LENS_SIZE)

SETTINGS_CAPTION = "Vistak by Pelmaro - Lurno"
# The window's frame at the screen's top-left corner: 3-pixel border, 19-pixel caption bar.
SETTINGS_AT_CORNER = (3, 22, 637, 147)
SETTINGS_BACKGROUND = (128, 128, 255)
# Client rectangles (left, top, width, height).
CHIUDI = (282, 104, 175, 41)
FINE = (460, 104, 175, 41)
READOUT = (12, 50, 175, 55)
# Each zoom button: its client rectangle, the settings file it writes, the lens it gives with the pointer at CENTRE.
ZOOM = {
    "1.50": ((192, 6, 87, 46), b" 1.5 \r\n", (416, 403, 307, 58)),
    "2.00": ((282, 6, 87, 46), b" 2 \r\n", (384, 403, 410, 77)),
    "2.50": ((370, 6, 87, 46), b" 2.5 \r\n", LENS_AT_CENTRE),
    "3.00": ((460, 6, 87, 46), b" 3 \r\n", (320, 403, 614, 115)),
    "3.50": ((548, 6, 87, 46), b" 3.5 \r\n", (288, 403, 717, 134)),
    "4.00": ((192, 56, 87, 46), b" 4 \r\n", (256, 403, 819, 154)),
    "5.00": ((282, 56, 87, 46), b" 5 \r\n", (192, 403, 1024, 192)),
    "6.00": ((370, 56, 87, 46), b" 6 \r\n", (128, 403, 1024, 230)),
    "7.00": ((460, 56, 87, 46), b" 7 \r\n", (64, 403, 1024, 269)),
    "8.00": ((548, 56, 87, 46), b" 8 \r\n", (0, 403, 1024, 307)),
}

TRAY_NAME = "Wine System Tray"


def tick(monitor, zoom, pointer):
    """The lens (left, top, width, height) and the source's corner, in Windows' coordinates: worked in the frame of the
    monitor under the pointer and rounded there (to even) before its corner is added."""
    left, top, width, height = monitor
    x, y = pointer[0] - left, pointer[1] - top
    lens_width, lens_height = min(width / 5 * zoom, width), height / 8 / 2.5 * zoom
    offset_y = lens_height / zoom / 2
    lens_left = max(x - 32 * zoom * 2, 0)
    lens_top = min(y, height) + offset_y
    if lens_top > height - lens_height:  # above the pointer
        lens_top = (min(y, height) - lens_height) - offset_y * zoom
    if lens_top <= lens_height / zoom:  # pushed down, to twice the source's height
        lens_top = lens_height / zoom + offset_y + offset_y
    lens = (round(lens_left) + left, round(lens_top) + top, round(lens_width), round(lens_height))
    return lens, (round(max(x - 64, 0)) + left, round(max(y - offset_y, 0)) + top)
