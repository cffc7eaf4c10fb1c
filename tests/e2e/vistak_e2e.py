"""Drives the real Vistak.exe under Wine on a private Xvfb display, as a user would.
Environment: VISTAK_ZIP (the release zip), WINE (the loader), E2E_WINEPREFIX (the tests' own prefix)."""
import math
import os
import pathlib
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
import zipfile

import design

WINE = os.environ.get("WINE", "wine")
PREFIX = os.environ.get("E2E_WINEPREFIX", os.path.join(tempfile.gettempdir(), "vistak-e2e-prefix"))
OPEN_DISPLAYS = []  # what a timed-out wait describes
DESKTOP_WINDOW = "vistak - Wine desktop"  # the X window of a session's virtual desktop


def poll(condition, timeout=10.0, interval=0.05, what="condition", expect=None):
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
    path = os.environ.get(env_name, "")
    if not os.path.exists(path):
        raise AssertionError(f"{env_name} names no program: {path!r}")
    return path


def end_on_sigterm(signum, frame):
    """On SIGTERM, ends what the displays started, by their ids, and the displays. (ctest's SIGKILL reaches every
    process the test started; Wine's server and services end once their X server has gone.)"""
    for display in list(OPEN_DISPLAYS):
        display.__exit__()
    os._exit(128 + signum)


signal.signal(signal.SIGTERM, end_on_sigterm)


class Display:
    """A private Xvfb bound to the Wine prefix's server, at a dpi; leaving it ends, by their ids, the processes
    started through it, then the Wine server. With monitors (Windows' (left, top, width, height), the primary first)
    the programs run on a Xephyr nested in it, one Xinerama screen a monitor (with RandR Wine would see one);
    origin is where Windows' (0, 0) lies in X."""

    def __init__(self, width, height, dpi=96, monitors=None):
        self.width, self.height, self.dpi, self.monitors = width, height, dpi, monitors
        self.frames = monitors or [(0, 0, width, height)]
        self.origin = (-min(m[0] for m in monitors), -min(m[1] for m in monitors)) if monitors else (0, 0)
        self.servers = []  # Xvfb, then Xephyr
        self.env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="fixme-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.errors = tempfile.TemporaryFile(mode="w+")  # Wine's own errors, for a failure report
        self.processes = []

    def __enter__(self):
        OPEN_DISPLAYS.append(self)
        try:
            self.start_x_server(["Xvfb", "-screen", "0", f"{self.width}x{self.height}x24"])
            primary = 0
            if self.monitors:
                # Xephyr keeps the pointer, on every screen, within the first screen's size from that screen's
                # corner: the largest monitor comes first, and Wine is told which is the primary.
                order = sorted(self.monitors, key=lambda m: -m[2] * m[3])
                if any(m[2] > order[0][2] or m[3] > order[0][3] for m in order):
                    raise AssertionError(f"no monitor is at least as wide and as high as every other: {order}")
                primary = order.index(self.monitors[0])
                layout = [arg for m in order for arg in ("-origin", f"{m[0] + self.origin[0]},{m[1] + self.origin[1]}",
                                                         "-screen", f"{m[2]}x{m[3]}")]
                self.start_x_server(["Xephyr", "+xinerama", "-extension", "RANDR", *layout])
            # The prefix's server starts afresh on this display, with the dpi and primary set each time (a killed run
            # may have left others); then none runs until something starts here (the benchmark measures it idle).
            self.stop_wine_server()
            with tempfile.TemporaryDirectory() as folder:
                settings = pathlib.Path(folder, "settings.reg")
                settings.write_text(f'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n'
                                    f'"LogPixels"=dword:{self.dpi:08x}\n\n'
                                    f'[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"PrimaryMonitor"="{primary}"\n')
                self.run([WINE, "reg", "import", f"Z:{settings}"], check=False, timeout=300)
            self.stop_wine_server()
        except BaseException:
            self.__exit__()
            raise
        return self

    @property
    def size(self):
        """The X screen: all monitors' bounding box."""
        return tuple(max(m[i] + m[i + 2] for m in self.frames) + self.origin[i] for i in (0, 1))

    def on_monitor(self, x, y):
        """Whether a point of X's lies on a monitor (part of the bounding box may lie on none)."""
        return any(0 <= x - m[0] - self.origin[0] < m[2] and 0 <= y - m[1] - self.origin[1] < m[3]
                   for m in self.frames)

    def start_x_server(self, args, timeout=30):
        """Starts an X server (on self.env's display, if any) on a free number, the display of what follows; with
        -noreset, as one that resets when its last client leaves refuses Wine after the tests' xwininfo."""
        server = subprocess.Popen([*args[:1], "-displayfd", "1", "-noreset", "-nolisten", "tcp", *args[1:]],
                                  env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.servers.append(server)
        ready, number = select.select([server.stdout], [], [], timeout)[0], b""
        if ready:
            number = server.stdout.readline().strip()
        if not number.isdigit():
            raise AssertionError(f"{args[0]} did not start within {timeout} s")
        self.env["DISPLAY"] = f":{number.decode()}"

    def __exit__(self, *exc):
        try:
            for process in self.processes:
                process.kill()  # nothing once it has ended
                process.wait(timeout=10)
            self.stop_wine_server()
        finally:  # the displays go even when a Wine process would not, the nested one first
            for server in reversed(self.servers):
                server.terminate()
                try:
                    server.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    server.kill()
                    server.wait()
                server.stdout.close()
            self.servers = []
            self.errors.close()
            if self in OPEN_DISPLAYS:
                OPEN_DISPLAYS.remove(self)

    def stop_wine_server(self):
        self.run(["wineserver", "-k"], check=False)
        self.run(["wineserver", "-w"], check=False, timeout=30)

    def describe(self):
        try:
            windows = self.windows()
        except (subprocess.SubprocessError, OSError) as error:
            windows = error
        started = ", ".join(f"{p.pid} exit {p.poll()}" for p in self.processes)
        self.errors.seek(0)
        errors = "".join(f"\n    {line}" for line in self.errors.read().splitlines()[-15:])
        return f"\n  windows on {self.env.get('DISPLAY')}: {windows}\n  started here: {started}\n  errors:{errors}"

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

    def windows(self, pid=None, name=None):
        """Viewable top-level windows (of a process, of a name): (id, x, y, width, height, name)."""
        found, listing = [], self.run(["xwininfo", "-root", "-children"]).stdout
        for wid, title in re.findall(r'^\s+(0x[0-9a-f]+) (?:"(.*?)":)?', listing, re.M):
            geometry = self.geometry(wid) if name in (None, title) else None
            if geometry and (pid is None or
                             str(pid) in self.run(["xprop", "-id", wid, "_NET_WM_PID"], check=False).stdout.split()):
                found.append((wid, *geometry, title))
        return found

    def pointer(self):
        values = dict(line.split("=") for line in self.xdotool("getmouselocation", "--shell").stdout.split())
        return int(values["X"]), int(values["Y"])

    def pixels(self, x, y, width, height):
        """Rows of (r, g, b)."""
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8",
                              "rgb:-"], env=self.env, check=True, capture_output=True, timeout=30).stdout
        return [[tuple(raw[i:i + 3]) for i in range(row * width * 3, (row + 1) * width * 3, 3)]
                for row in range(height)]

    def settled_pixels(self, x, y, width, height, what, done=lambda rows: True):
        """The pixels once two grabs agree and done(rows) holds."""
        grabs = [None]
        poll(lambda: grabs.append(self.pixels(x, y, width, height)) or grabs[-1] == grabs[-2] and done(grabs[-1]),
             interval=0.2, what=what)
        return grabs[-1]

    def xdotool(self, *args):
        return self.run(["xdotool", *map(str, args)])

    def click(self, x, y):
        # Held a moment, as a hand holds it: a press that activates a window lets waiting messages be
        # dispatched, and a release queued with it would be taken before a button control saw the press.
        self.xdotool("mousemove", x, y, "mousedown", 1, "sleep", 0.15, "mouseup", 1)

    def keys(self, wid, *keys):
        self.xdotool("windowfocus", wid, "key", *keys)


class Session(unittest.TestCase):
    """Vistak.exe from the release zip in a folder of its own, on a private display, past its splash, with its
    lens found; with START False, the display only."""
    START = True
    SCREEN = design.SCREEN
    DESKTOP = None  # (width, height) of a Wine virtual desktop to run in, whose windows X does not see
    MONITORS = None  # Windows' rectangles of several monitors, the primary first (see Display)
    DPI = 96
    ENV = None
    FILE_BEFORE_START = None  # bytes of a Vistak.txt to leave in the program's folder

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="vistak-e2e-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.exe, self.settings_path = os.path.join(self.folder, "Vistak.exe"), pathlib.Path(self.folder, "Vistak.txt")
        with zipfile.ZipFile(helper_exe("VISTAK_ZIP")) as release:  # as it ships
            release.extract("Vistak.exe", self.folder)
        if self.FILE_BEFORE_START is not None:
            self.settings_path.write_bytes(self.FILE_BEFORE_START)
        self.display = Display(*self.SCREEN, self.DPI, self.MONITORS).__enter__()
        self.addCleanup(self.display.__exit__)
        if self.DESKTOP:  # made by a process of its own, which holds its output as long as the desktop lives
            self.display.start([WINE, "explorer", "/desktop=vistak,{}x{}".format(*self.DESKTOP)])
            poll(lambda: self.display.windows(name=DESKTOP_WINDOW), timeout=60, what="the virtual desktop")
        if self.START:
            self.start_past_splash()
            self.move_and_wait_lens(design.CENTRE, design.LENS_AT_CENTRE)

    def wine(self, exe, *args):
        """The command that runs a program, in the virtual desktop if any (whose explorer takes a Windows path)."""
        if not self.DESKTOP:
            return [WINE, exe, *args]
        return [WINE, "explorer", "/desktop=vistak", "Z:" + exe.replace("/", "\\"), *args]

    def start(self, exe=None):
        self.vistak = self.display.start(self.wine(exe or self.exe), env=self.ENV)

    def splash(self, timeout=40, size=design.SPLASH_SIZE):
        return poll(lambda: [w for w in self.program_windows() if w[3:5] == size], timeout=timeout,
                    interval=0.02, what="the splash window")[0]

    def start_past_splash(self, exe=None):
        """Starts Vistak and clicks its splash away; returns the seconds from the splash to the lens (self.lens)."""
        self.start(exe)
        splash = self.splash()
        shown = time.monotonic()
        self.display.click(splash[1] + design.SPLASH_PICTURE[0], splash[2] + design.SPLASH_PICTURE[1])
        self.lens = poll(lambda: [w for w in self.program_windows() if w[0] != splash[0]], what="the lens")[0][0]
        lens_after = time.monotonic() - shown
        # The lens loads before the splash unloads; Wine takes a moment to withdraw the splash.
        self.wait_gone(splash[0], "the splash")
        return lens_after

    def wait_gone(self, wid, what, timeout=15):
        poll(lambda: self.display.geometry(wid) is None, timeout=timeout, interval=0.02, what=f"{what} to go")

    def program_windows(self):
        return self.display.windows(pid=self.vistak.pid)

    def window_ids(self):
        return [w[0] for w in self.program_windows()]

    def wait_exit(self, timeout, after="its end"):
        poll(lambda: self.vistak.poll() is not None, timeout=timeout, interval=0.02,
             what=f"the Vistak process to end after {after}")
        self.assertEqual(self.program_windows(), [], "a window outlived the process")
        return self.vistak.returncode

    def assert_meanwhile(self, seconds, value, expect, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(value(), expect, what)
            time.sleep(0.1)

    def move_and_wait_lens(self, pointer, expected, what="the lens to follow the pointer"):
        self.display.xdotool("mousemove", *pointer)
        poll(lambda: self.display.geometry(self.lens), what=f"{what} to {expected} (pointer at {pointer})",
             expect=tuple(expected))

    def assert_lens_shows(self, lens, source, zoom, size):
        """Each lens pixel within size from its corner (off its top row) shows the source's pixel under it, where
        that lies well inside a plain patch of a monitor; lens and source are top-left corners in X."""
        width, height = size
        gx, gy = max(0, source[0] - 2), max(0, source[1] - 2)
        grab = (min(math.ceil(width / zoom) + 5, self.display.size[0] - gx),
                min(math.ceil(height / zoom) + 5, self.display.size[1] - gy))
        screen = self.display.pixels(gx, gy, *grab)
        samples = []
        for ly in range(1, height - 6, 3):
            for lx in range(1, width - 1, 5):
                sx, sy = source[0] + lx / zoom, source[1] + ly / zoom
                around = [(int(sx + d), int(sy + e)) for d in (-1.5, 0, 1.5) for e in (-1.5, 0, 1.5)
                          if gx <= sx + d < gx + grab[0] and gy <= sy + e < gy + grab[1]]
                if (int(sx), int(sy)) in around and all(self.display.on_monitor(*point) for point in around):
                    colours = {screen[y - gy][x - gx] for x, y in around}
                    if len(colours) == 1:
                        samples.append((lx, ly, colours.pop()))
        self.assertGreater(len({want for *_, want in samples}), 8, "the screen under the source is too plain")

        def wrong():
            shown = self.display.pixels(*lens, width, height)
            return [(lx, ly, shown[ly][lx], want) for lx, ly, want in samples if shown[ly][lx] != want][:5]

        poll(wrong, timeout=8, interval=0.2, what=f"the enlarged picture among {len(samples)} samples "
             "(lens x, lens y, shown, expected)", expect=[])

    def cover_with_blocks(self, x, y, width, height, seed):
        """A picture of plain 16 x 8 blocks in many colours over a rectangle of X's."""
        picture = os.path.join(self.folder, f"blocks-{seed}.ppm")
        subprocess.run(["convert", "-seed", str(seed), "-size", f"{width // 16}x{height // 8}", "xc:", "+noise",
                        "Random", "-scale", "1600%x800%", picture], check=True, timeout=30)
        self.display.start(["display", "-geometry", f"+{x}+{y}", "-immutable", picture])
        poll(lambda: self.display.windows(name=f"ImageMagick: blocks-{seed}.ppm"), timeout=20,
             what=f"the picture at {x}, {y}")

    def icon_point(self):
        """The middle of the tray's first cell, if it shows an icon (the tray hides while it has none)."""
        trays = self.display.windows(name=design.TRAY_NAME)
        if not trays:
            return None
        x, y, width = trays[0][1:4]
        cell = self.display.pixels(x, y, 20, 20)
        background = self.display.pixels(x + width - 4, y + 10, 1, 1)[0][0]
        return (x + 10, y + 10) if sum(pixel != background for row in cell for pixel in row) > 20 else None

    def settings_file(self):
        return self.settings_path.read_bytes() if self.settings_path.exists() else None

    def wait_settings(self):
        return poll(lambda: [w[0] for w in self.program_windows()
                             if w[5] == design.SETTINGS_CAPTION and w[1:5] == design.SETTINGS_AT_CORNER],
                    what="the settings window at the top-left corner")[0]

    def open_with_f5(self):
        self.display.keys(self.lens, "F5")
        return self.wait_settings()

    def open_from_tray(self):
        """A right press on the icon opens the menu at the pointer and the settings window; Escape, typed into
        the program (another may have the keyboard), closes the menu only."""
        x, y = poll(self.icon_point, what="the tray icon")
        self.display.xdotool("mousemove", x, y, "mousedown", 3)
        settings = self.wait_settings()
        menu = poll(lambda: [w for w in self.program_windows() if w[0] not in (settings, self.lens)],
                    what="the tray menu")[0]
        self.assertTrue(abs(menu[1] - x) <= 40 and abs(menu[2] - y) <= 80, f"menu {menu} not at the pointer")
        self.display.xdotool("windowfocus", settings, "key", "Escape", "mouseup", 3)
        poll(lambda: set(self.window_ids()), what="the tray menu to close", expect={settings, self.lens})
        return settings

    def click_client(self, rect):
        self.display.click(design.SETTINGS_AT_CORNER[0] + rect[0] + rect[2] // 2,
                           design.SETTINGS_AT_CORNER[1] + rect[1] + rect[3] // 2)

    def choose(self, settings, way, caption, content=None):
        """Presses a button (a rectangle to click, or keys) that closes the settings window with caption's zoom;
        waits for the file and the lens."""
        if isinstance(way[0], int):
            self.click_client(way)
        else:
            self.display.keys(settings, *way)
        self.wait_gone(settings, "the settings window")
        saved, lens = design.ZOOM[caption][1:]
        poll(self.settings_file, what="the settings file", expect=content or saved)
        self.move_and_wait_lens(design.CENTRE, lens, f"the lens to resume with zoom {caption}")
