"""Runs Vistak on the current (virtual) display as a user would and saves
screenshots of the lens at work; then the settings window with its frame, in a
Wine virtual desktop, as the English guide shows it and under an Italian locale
with its decimal comma; then, with the Wine prefix's system colours set to a dark
high-contrast scheme for one more run, the settings window as such a theme draws
it (and the contrast of its title); and last, on a private display with two
monitors, the lens on the second one. It also draws the program's icon enlarged.

usage: screenshot.py VISTAK_EXE OUTDIR
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import design  # noqa: E402
import vistak_e2e  # noqa: E402
from vistak_e2e import poll  # noqa: E402

exe, outdir = sys.argv[1], sys.argv[2]
env = dict(os.environ)
wine = env.get("WINE", "wine")
# Windows' "High Contrast Black": white text on black, yellow links, green disabled text, cyan selection.
HIGH_CONTRAST_BLACK = {
    "Window": "0 0 0", "WindowText": "255 255 255", "WindowFrame": "255 255 255", "Background": "0 0 0",
    "ButtonFace": "0 0 0", "ButtonText": "255 255 255", "ButtonShadow": "128 128 128",
    "ButtonHilight": "255 255 255", "ButtonLight": "255 255 255", "ButtonDkShadow": "255 255 255",
    "Hilight": "26 235 255", "HilightText": "0 0 0", "GrayText": "63 242 63", "HotTrackingColor": "255 255 0",
    "ActiveTitle": "0 0 0", "GradientActiveTitle": "0 0 0", "TitleText": "255 255 255",
    "InactiveTitle": "0 0 0", "GradientInactiveTitle": "0 0 0", "InactiveTitleText": "63 242 63",
    "ActiveBorder": "255 255 255", "InactiveBorder": "0 0 0", "Menu": "0 0 0", "MenuText": "255 255 255",
    "InfoWindow": "0 0 0", "InfoText": "255 255 255", "AppWorkspace": "0 0 0", "Scrollbar": "0 0 0",
}
COLOURS_KEY = r"HKEY_CURRENT_USER\Control Panel\Colors"
# The settings window's inside at the screen's top-left corner (without a window manager Wine draws no frame),
# and its "ZOOM" label in it: left, top, width, height.
SETTINGS_CLIENT = (3, 22, 637, 147)
ZOOM_TITLE = (16, 0, 173, 49)
# A Wine virtual desktop draws window frames; the settings window, framed, at its top-left corner with a strip of
# the desktop beside and below it (left, top, width, height); a point of its light blue below the read-out; the tray
# icon at the right end of the desktop's taskbar.
DESKTOP = (1024, 768)
FRAMED_SETTINGS = (0, 0, 660, 190)
SETTINGS_LIGHT_BLUE = ((20, 150), (128, 128, 255))
DESKTOP_TRAY_ICON = (DESKTOP[0] - 10, DESKTOP[1] - 10)
# The icon enlarged four times, on a light and on a dark taskbar's colour, as each Windows theme shows it.
ICON = os.path.join(os.path.dirname(__file__), "..", "resources", "vistak.ico")
TASKBAR_COLOURS = ("#f3f3f3", "#202020")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], env=env, check=True)


def shot(name):
    path = os.path.join(outdir, name)
    subprocess.run(["import", "-window", "root", path], env=env, check=True)
    print("saved", path)


def viewable(size):
    tree = subprocess.run(["xwininfo", "-root", "-tree"], env=env, capture_output=True, text=True).stdout
    return any(f" {size}+" in line for line in tree.splitlines())


def pixel(x, y):
    raw = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                         env=env, check=True, capture_output=True).stdout
    return tuple(raw[:3])


def regedit(*args):
    subprocess.run([wine, "regedit", *args], env=env, check=True)


def past_splash_to_settings():
    """From the start: the splash, a click on its picture, the lens, then the settings window from the tray."""
    poll(lambda: viewable("308x383"), timeout=60, what="the splash")
    time.sleep(1)
    yield "splash"
    xdotool("mousemove", 512, 300, "click", 1)
    poll(lambda: viewable("512x96") and not viewable("308x383"), timeout=30, what="the lens without the splash")
    xdotool("mousemove", 200, 110)
    time.sleep(1)
    yield "lens"
    # A right-button press on the tray icon, held a moment as a hand does.
    xdotool("mousemove", 13, 32, "sleep", 0.3, "mousedown", 3, "sleep", 0.2, "mouseup", 3)
    poll(lambda: viewable("637x147"), timeout=30, what="the settings window")
    time.sleep(1)
    xdotool("key", "Escape")
    time.sleep(0.5)
    yield "settings"


def contrast(a, b):
    def luminance(colour):
        linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def title_contrast(path):
    """The "ZOOM" title's ink against its background: the commonest colour is the background, the ink the
    colour farthest from it."""
    x, y, width, height = ZOOM_TITLE
    text = subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8", "txt:-"],
                          capture_output=True, text=True, check=True).stdout
    pixels = [tuple(int(v) for v in line.split("(")[1].split(")")[0].split(",")[:3])
              for line in text.splitlines()[1:]]
    background = max(set(pixels), key=pixels.count)
    ink = max(set(pixels), key=lambda p: sum(abs(a - b) for a, b in zip(p, background)))
    return background, ink, contrast(background, ink)


def test_card(name, size):
    """Something to magnify, drawn without fonts: lines ever closer together, a
    checkerboard, rings and coloured bars on a gradient."""
    path = os.path.join(outdir, name)
    draw = []
    x = 40
    for gap in range(8, 1, -1):
        for _ in range(6):
            draw += ["-draw", f"line {x},90 {x},130"]
            x += gap
    draw += ["-fill", "none", "-stroke", "#202020"]
    draw += [arg for r in range(6, 60, 6) for arg in ("-draw", f"circle 760,140 {760 + r},140")]
    subprocess.run(["convert", "-size", size, "gradient:#2060c0-#f0f0ff", "-stroke", "black", *draw,
                    "(", "-size", "240x48", "pattern:checkerboard", ")", "-geometry", "+262+86", "-composite",
                    "-stroke", "none", "-fill", "#c02020", "-draw", "rectangle 40,300 300,360",
                    "-fill", "#20a040", "-draw", "rectangle 320,300 580,360", path], check=True)
    return path


def lens_on_second_monitor(name):
    """A larger second monitor right of the primary, on a Xephyr (as the end-to-end tests make it), each with a test
    card; the lens over the second one's rings takes that monitor's size."""
    primary, second = (0, 0, 1024, 768), (1024, 0, 1280, 1024)
    vistak_e2e.PREFIX = env.get("WINEPREFIX", vistak_e2e.PREFIX)
    with vistak_e2e.Display(1024, 768, monitors=[primary, second]) as display:
        for monitor, picture in ((primary, card), (second, test_card("test-card-wide.png", "1280x1024"))):
            display.start(["display", "-geometry", f"+{monitor[0]}+{monitor[1]}", "-immutable", picture])
            poll(lambda: display.windows(name=f"ImageMagick: {os.path.basename(picture)}"), timeout=20,
                 what=f"the test card on the monitor at {monitor}")
        vistak = display.start([wine, exe])
        splash = poll(lambda: [w for w in display.windows(pid=vistak.pid) if w[3:5] == design.SPLASH_SIZE], timeout=60,
                      what="the splash")[0]
        display.click(splash[1] + design.SPLASH_PICTURE[0], splash[2] + design.SPLASH_PICTURE[1])
        poll(lambda: display.geometry(splash[0]) is None, timeout=30, what="the splash to go")
        display.xdotool("mousemove", second[0] + 760, 150)
        poll(lambda: [w for w in display.windows(pid=vistak.pid) if w[3:5] == (640, 128)], timeout=30,
             what="the lens on the second monitor")
        time.sleep(1)
        path = os.path.join(outdir, name)
        # Below the primary lies no monitor: black, as no screen shows it.
        subprocess.run(["import", "-window", "root", path], env=display.env, check=True)
        subprocess.run(["convert", path, "-fill", "black", "-draw", "rectangle 0,768 1023,1023", path], check=True)
        print("saved", path)


def framed_settings(name, locale):
    """The settings window with its title bar, in a virtual desktop of its own (which closes with Vistak), with
    Vistak started under the given locale."""
    desktop = [wine, "explorer", "/desktop=vistak,{}x{}".format(*DESKTOP)]
    program = subprocess.Popen([*desktop, "Z:" + os.path.abspath(exe).replace("/", "\\")],
                               env=dict(env, LC_ALL=locale))
    try:
        splash_corner = (design.SPLASH_AT[0] + 4, design.SPLASH_AT[1] + 4)
        poll(lambda: pixel(*splash_corner) == (0, 0, 128), timeout=60, what="the splash in the desktop")
        xdotool("mousemove", 512, 300, "click", 1)
        taskbar = pixel(DESKTOP_TRAY_ICON[0] - 30, DESKTOP_TRAY_ICON[1])
        poll(lambda: any(pixel(DESKTOP_TRAY_ICON[0] + dx, DESKTOP_TRAY_ICON[1]) != taskbar for dx in (-3, 0, 3)),
             timeout=30, what="the tray icon in the desktop's taskbar")
        xdotool("mousemove", *DESKTOP_TRAY_ICON, "sleep", 0.3, "mousedown", 3, "sleep", 0.2, "mouseup", 3)
        poll(lambda: pixel(*SETTINGS_LIGHT_BLUE[0]) == SETTINGS_LIGHT_BLUE[1], timeout=30,
             what="the settings window in the desktop")
        time.sleep(1)
        xdotool("key", "Escape")
        time.sleep(0.5)
        whole = os.path.join(outdir, f"desktop-{name}")
        shot(os.path.basename(whole))
        x, y, width, height = FRAMED_SETTINGS
        subprocess.run(["convert", whole, "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                        os.path.join(outdir, name)], check=True)
        print("saved", os.path.join(outdir, name))
        xdotool("mousemove", 550, 146, "click", 1)  # "FINE", and a click on the picture that shows at the end
        poll(lambda: pixel(*splash_corner) == (0, 0, 128), timeout=30, what="the closing splash in the desktop")
        xdotool("mousemove", 512, 300, "click", 1)
        program.wait(timeout=30)
    finally:
        program.kill()


def enlarged_icon(name):
    panels = [["(", ICON, "-filter", "point", "-scale", "400%", "-background", colour, "-gravity", "center",
               "-extent", "152x144", ")"] for colour in TASKBAR_COLOURS]
    subprocess.run(["convert", *panels[0], *panels[1], "+append", "+repage", os.path.join(outdir, name)],
                   check=True)
    print("saved", os.path.join(outdir, name))


card = test_card("test-card.png", "1024x768")
viewer = subprocess.Popen(["display", "-geometry", "+0+0", "-backdrop", card], env=env)
saved_colours = os.path.join(outdir, "colours-before.reg")
program = None
try:
    program = subprocess.Popen([wine, exe], env=env)
    for name in past_splash_to_settings():
        if name != "settings":
            shot(f"vistak-{name}.png")
    # "FINE" ends it; a click on the picture that shows at the end closes that sooner.
    xdotool("mousemove", 550, 146, "click", 1)
    poll(lambda: viewable("308x383"), timeout=30, what="the closing splash")
    xdotool("mousemove", 512, 300, "click", 1)
    program.wait(timeout=30)

    framed_settings("vistak-settings.png", "C")
    framed_settings("vistak-settings-it.png", "it_IT.UTF-8")
    enlarged_icon("vistak-icon.png")

    regedit("/E", saved_colours, COLOURS_KEY)
    high_contrast = os.path.join(outdir, "colours-high-contrast.reg")
    with open(high_contrast, "w", encoding="utf-8") as scheme:
        scheme.write("REGEDIT4\n\n[" + COLOURS_KEY + "]\n")
        scheme.writelines(f'"{name}"="{value}"\n' for name, value in HIGH_CONTRAST_BLACK.items())
    regedit(high_contrast)
    program = subprocess.Popen([wine, exe], env=env)
    for _ in past_splash_to_settings():
        pass
    whole = os.path.join(outdir, "screen-high-contrast.png")
    shot(os.path.basename(whole))
    picture = os.path.join(outdir, "vistak-settings-contrast.png")
    x, y, width, height = SETTINGS_CLIENT
    subprocess.run(["convert", whole, "-crop", f"{width}x{height}+{x}+{y}", "+repage", picture], check=True)
    background, ink, ratio = title_contrast(picture)
    print(f"saved {picture}: the title's ink {ink} on {background}, contrast {ratio:.2f}:1")
finally:
    if program:
        program.kill()
    viewer.kill()
    if os.path.exists(saved_colours):
        regedit(saved_colours)
lens_on_second_monitor("vistak-monitors.png")
