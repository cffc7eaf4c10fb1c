"""Drives the real Vistak.exe under Wine on a private Xvfb display, as a user would.

Environment: VISTAK_EXE (the exe to run), WINE (wine or wine64 loader),
E2E_WINEPREFIX (a prefix of the tests' own; created on first use).
"""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

import design

WINE = os.environ.get("WINE", "wine")
EXE = os.environ.get("VISTAK_EXE", "")
PREFIX = os.environ.get("E2E_WINEPREFIX", os.path.join(tempfile.gettempdir(), "vistak-e2e-prefix"))

# The displays in use, which a timed-out wait describes.
OPEN_DISPLAYS = []


def poll(condition, timeout=10.0, interval=0.05, what="condition", expect=None):
    """Returns the first value of condition() that is truthy (or equals expect, if given) within timeout;
    else fails with the last value and what the displays show."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value == expect if expect is not None else value:
            return value
        if time.monotonic() > deadline:
            seen = "".join(display.describe() for display in OPEN_DISPLAYS)
            raise AssertionError(f"timed out after {timeout}s waiting for {what}: last {value!r}{seen}")
        time.sleep(interval)


def helper_exe(env_name):
    """A helper program built with the tests, named by an environment variable."""
    path = os.environ.get(env_name, "")
    if not os.path.exists(path):
        raise AssertionError(f"{env_name} names no helper program: {path!r}")
    return path


class Display:
    """A private Xvfb of a given size, with the Wine prefix's server bound to it.
    Leaving it ends every process started through it, by its id, and the Wine server."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.xvfb = None
        # Wine's own errors are kept: a failure report shows them.
        self.env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="fixme-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.errors = tempfile.TemporaryFile(mode="w+")
        self.processes = []

    def __enter__(self):
        OPEN_DISPLAYS.append(self)
        try:
            # Xvfb picks a free display number itself and reports it once it accepts clients. It must
            # not reset when its last client leaves: the tests' own short-lived clients (xwininfo)
            # would make it refuse Wine's first connection during the reset.
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-noreset", "-screen", "0",
                                          f"{self.width}x{self.height}x24", "-nolisten", "tcp"],
                                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            number = self.xvfb.stdout.readline().strip()
            if not number.isdigit():
                raise AssertionError("Xvfb did not start")
            self.env["DISPLAY"] = f":{number}"
            # Wine's desktop process belongs to one display: start the prefix's server afresh on this one.
            self.run(["wineserver", "-k"], check=False)
            self.run(["wineserver", "-w"], check=False)
            if not os.path.exists(os.path.join(PREFIX, "system.reg")):
                self.run([WINE, "wineboot", "-i"], check=False, timeout=300)
                self.run(["wineserver", "-w"], check=False, timeout=300)
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait(timeout=10)
        self.run(["wineserver", "-k"], check=False)
        self.run(["wineserver", "-w"], check=False, timeout=30)
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait(timeout=10)
            self.xvfb.stdout.close()
        self.errors.close()
        if self in OPEN_DISPLAYS:
            OPEN_DISPLAYS.remove(self)

    def describe(self):
        """The windows on the display and the Wine processes, for a failure report."""
        try:
            windows = self.windows()
        except (subprocess.SubprocessError, OSError) as error:
            windows = error
        ps = subprocess.run(["ps", "-eo", "pid,stat,etime,args"], capture_output=True, text=True).stdout
        wine = "\n    ".join(row for row in ps.splitlines() if ".exe" in row or "wine" in row)
        started = ", ".join(f"{p.pid} exit {p.poll()}" for p in self.processes)
        self.errors.seek(0)
        errors = "\n    ".join(self.errors.read().splitlines()[-15:])
        return (f"\n  windows on {self.env.get('DISPLAY')}: {windows}\n  started here: {started}"
                f"\n  their errors:\n    {errors}\n  processes:\n    {wine}")

    def run(self, args, check=True, timeout=30):
        return subprocess.run(args, env=self.env, check=check, timeout=timeout, capture_output=True, text=True)

    def start(self, args, env=None):
        process = subprocess.Popen(args, env=dict(self.env, **(env or {})),
                                   stdout=subprocess.DEVNULL, stderr=self.errors)
        self.processes.append(process)
        return process

    def geometry(self, wid):
        """(x, y, width, height) of an X window, or None while it is not viewable."""
        info = self.run(["xwininfo", "-id", wid], check=False).stdout
        if "IsViewable" not in info:
            return None
        values = dict(row.strip().split(":", 1) for row in info.splitlines() if ":" in row)
        return tuple(int(values[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def windows(self, pid=None, name=None, size=None):
        """Viewable top-level X windows, of a process, a name or a (width, height) if given:
        list of (id, x, y, width, height, name)."""
        found = []
        for line in self.run(["xwininfo", "-root", "-children"]).stdout.splitlines():
            line = line.strip()
            if not line.startswith("0x"):
                continue
            wid, title = line.split()[0], line.split('"')[1] if '"' in line else ""
            geometry = None if name not in (None, title) else self.geometry(wid)
            if geometry is None or size not in (None, geometry[2:]):
                continue
            if pid is None or str(pid) in self.run(["xprop", "-id", wid, "_NET_WM_PID"], check=False).stdout.split():
                found.append((wid, *geometry, title))
        return found

    def pointer(self):
        values = dict(line.split("=") for line in self.xdotool("getmouselocation", "--shell").stdout.split())
        return int(values["X"]), int(values["Y"])

    def pixels(self, x, y, width, height):
        """The screen's RGB pixels of a rectangle: rows of (r, g, b) tuples."""
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8",
                              "rgb:-"], env=self.env, check=True, capture_output=True, timeout=30).stdout
        return [[tuple(raw[i:i + 3]) for i in range(row * width * 3, (row + 1) * width * 3, 3)]
                for row in range(height)]

    def xdotool(self, *args):
        return self.run(["xdotool", *map(str, args)])

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        # The button is held a moment, as a hand holds it: the press may activate a window, whose
        # activation handling dispatches waiting messages, and a release already queued with the
        # press would be taken before a button control has seen its press.
        self.xdotool("mousemove", x, y, "mousedown", button, "sleep", 0.15, "mouseup", button)

    def keys(self, wid, *keys):
        """Gives the keyboard to an X window and types the keys into it."""
        self.xdotool("windowfocus", wid)
        for key in keys:
            self.xdotool("key", key)


class Session(unittest.TestCase):
    """A private copy of Vistak.exe in a folder of its own (where it writes its settings file), running on
    a private display, past its splash, with its lens found. START is False for the tests of the start
    itself: they get the display only."""
    START = True
    SCREEN = design.SCREEN
    ENV = None
    FILE_BEFORE_START = None  # bytes of a Vistak.txt to leave in the program's folder

    def setUp(self):
        self.assertTrue(EXE and os.path.exists(EXE), f"VISTAK_EXE not found: {EXE!r}")
        self.folder = tempfile.mkdtemp(prefix="vistak-e2e-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.exe = os.path.join(self.folder, "Vistak.exe")
        shutil.copy(EXE, self.exe)
        if self.FILE_BEFORE_START is not None:
            with open(os.path.join(self.folder, "Vistak.txt"), "wb") as out:
                out.write(self.FILE_BEFORE_START)
        self.display = Display(*self.SCREEN).__enter__()
        self.addCleanup(self.display.__exit__)
        if self.START:
            self.vistak = self.start()
            self.lens = self.past_splash(self.vistak)
            self.move_and_wait_lens(design.CENTRE, design.LENS_AT_CENTRE)

    def settings_file(self):
        path = os.path.join(self.folder, "Vistak.txt")
        if os.path.exists(path):
            with open(path, "rb") as settings:
                return settings.read()
        return None

    def wait_file(self, expected):
        poll(self.settings_file, what="the settings file", expect=expected)

    def start(self, exe=None):
        return self.display.start([WINE, exe or self.exe], env=self.ENV)

    def splash(self, process, timeout=40):
        return poll(lambda: self.display.windows(pid=process.pid, size=design.SPLASH_SIZE), timeout=timeout,
                    interval=0.02, what="the splash window")[0]

    def past_splash(self, process):
        """Clicks the splash away; returns the id of the lens that follows it."""
        splash = self.splash(process)
        self.display.click(splash[1] + design.SPLASH_PICTURE[0], splash[2] + design.SPLASH_PICTURE[1])
        lens = poll(lambda: [w for w in self.display.windows(pid=process.pid) if w[0] != splash[0]],
                    what="the lens window")[0][0]
        # The lens loads before the splash unloads; Wine takes a moment to withdraw the splash.
        poll(lambda: self.display.geometry(splash[0]) is None, what="the splash to go")
        return lens

    def program_windows(self):
        return self.display.windows(pid=self.vistak.pid)

    def wait_exit(self, timeout):
        """Waits for Vistak to end; returns its exit code."""
        poll(lambda: self.vistak.poll() is not None, timeout=timeout, interval=0.02, what="the Vistak process to end")
        self.assertEqual(self.display.windows(pid=self.vistak.pid), [], "a window outlived the process")
        return self.vistak.returncode

    def assert_running(self):
        self.assertIsNone(self.vistak.poll(), "Vistak ended")

    def assert_meanwhile(self, seconds, check):
        """check() holds for the next seconds."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            check()
            time.sleep(0.1)

    def move_and_wait_lens(self, pointer, expected, what="the lens to follow the pointer"):
        self.display.move(*pointer)
        poll(lambda: self.display.geometry(self.lens), what=f"{what} to {expected} (pointer at {pointer})",
             expect=tuple(expected))

    def tray(self):
        trays = self.display.windows(name=design.TRAY_NAME)
        return trays[0] if trays else None

    def icon_drawn(self):
        """True when the tray shows an icon in its first cell (the tray is hidden while it has none)."""
        tray = self.tray()
        if not tray:
            return False
        cell = self.display.pixels(tray[1], tray[2], 20, 20)
        background = self.display.pixels(tray[1] + tray[3] - 4, tray[2] + 10, 1, 1)[0][0]
        return sum(1 for row in cell for pixel in row if pixel != background) > 20

    def icon_point(self):
        tray = poll(self.tray, what="the system tray")
        return tray[1] + 10, tray[2] + 10


    def settings_windows(self):
        return self.display.windows(pid=self.vistak.pid, name=design.SETTINGS_CAPTION)

    def wait_settings_at_corner(self):
        poll(lambda: [w[1:5] for w in self.settings_windows()], what="the settings window at the top-left corner",
             expect=[design.SETTINGS_AT_CORNER])
        return self.settings_windows()[0][0]

    def open_with_f5(self):
        self.display.keys(self.lens, "F5")
        return self.wait_settings_at_corner()

    def open_from_tray(self):
        self.assertTrue(self.icon_drawn(), "no icon in the tray")
        self.display.xdotool("mousemove", *self.icon_point(), "click", 3)
        settings = self.wait_settings_at_corner()
        # The tray menu opens with it; Escape closes the menu and leaves the settings window.
        self.display.xdotool("key", "Escape")
        poll(lambda: {w[0] for w in self.program_windows()}, what="the tray menu to close",
             expect={settings, self.lens})
        return settings

    def click_client(self, rect):
        """Clicks the middle of a rectangle of the settings window's client area."""
        self.display.click(design.SETTINGS_AT_CORNER[0] + rect[0] + rect[2] // 2,
                           design.SETTINGS_AT_CORNER[1] + rect[1] + rect[3] // 2)

    def wait_settings_closed(self, wid):
        poll(lambda: self.display.geometry(wid) is None, timeout=15, what="the settings window to close")
