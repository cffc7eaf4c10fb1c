"""Runs Vistak on the current (virtual) display as a user would and saves
screenshots of the lens at work and of the settings window.

usage: screenshot.py VISTAK_EXE OUTDIR
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from vistak_e2e import poll  # noqa: E402

exe, outdir = sys.argv[1], sys.argv[2]
env = dict(os.environ)
wine = env.get("WINE", "wine")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], env=env, check=True)


def shot(name):
    path = os.path.join(outdir, name)
    subprocess.run(["import", "-window", "root", path], env=env, check=True)
    print("saved", path)


def viewable(size):
    tree = subprocess.run(["xwininfo", "-root", "-tree"], env=env, capture_output=True, text=True).stdout
    return any(f" {size}+" in line for line in tree.splitlines())


# Something to magnify, drawn without fonts: lines ever closer together, a
# checkerboard, rings and coloured bars on a gradient.
card = os.path.join(outdir, "test-card.png")
draw = []
x = 40
for gap in range(8, 1, -1):
    for _ in range(6):
        draw += ["-draw", f"line {x},90 {x},130"]
        x += gap
draw += ["-fill", "none", "-stroke", "#202020"]
draw += [arg for r in range(6, 60, 6) for arg in ("-draw", f"circle 760,140 {760 + r},140")]
subprocess.run(["convert", "-size", "1024x768", "gradient:#2060c0-#f0f0ff", "-stroke", "black", *draw,
                "(", "-size", "240x48", "pattern:checkerboard", ")", "-geometry", "+262+86", "-composite",
                "-stroke", "none", "-fill", "#c02020", "-draw", "rectangle 40,300 300,360",
                "-fill", "#20a040", "-draw", "rectangle 320,300 580,360", card], check=True)
viewer = subprocess.Popen(["display", "-geometry", "+0+0", "-backdrop", card], env=env)
program = subprocess.Popen([wine, exe], env=env)
try:
    poll(lambda: viewable("308x383"), timeout=60, what="the splash")
    time.sleep(1)
    shot("vistak-splash.png")
    xdotool("mousemove", 512, 300, "click", 1)
    poll(lambda: viewable("512x96") and not viewable("308x383"), timeout=30, what="the lens without the splash")
    xdotool("mousemove", 200, 110)
    time.sleep(1)
    shot("vistak-lens.png")
    # A right-button press on the tray icon, held a moment as a hand does.
    xdotool("mousemove", 13, 32, "sleep", 0.3, "mousedown", 3, "sleep", 0.2, "mouseup", 3)
    poll(lambda: viewable("637x147"), timeout=30, what="the settings window")
    time.sleep(1)
    xdotool("key", "Escape")
    time.sleep(0.5)
    shot("vistak-settings.png")
finally:
    program.kill()
    viewer.kill()
