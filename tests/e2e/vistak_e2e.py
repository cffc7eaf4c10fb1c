"""Drives the real Vistak.exe under Wine on a private Xvfb display, as a user would.

Environment: VISTAK_EXE (the exe to run), WINE (wine or wine64 loader),
E2E_WINEPREFIX (a prefix of the tests' own; created on first use).
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

WINE = os.environ.get("WINE", "wine")
EXE = os.environ.get("VISTAK_EXE", "")
PREFIX = os.environ.get("E2E_WINEPREFIX", os.path.join(tempfile.gettempdir(), "vistak-e2e-prefix"))


# The displays in use, which a timed-out wait describes.
OPEN_DISPLAYS = []


def poll(condition, timeout=10.0, interval=0.05, what="condition"):
    """Returns the first truthy value of condition() within timeout, else fails."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            seen = "".join(display.describe() for display in OPEN_DISPLAYS)
            raise AssertionError(f"timed out after {timeout}s waiting for {what}{seen}")
        time.sleep(interval)


class Display:
    """A private Xvfb of a given size, with the Wine prefix's server bound to it."""

    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        self.xvfb = None
        self.env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.processes = []

    def __enter__(self):
        OPEN_DISPLAYS.append(self)
        for n in range(150, 250):
            if os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
                continue
            self.xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", f"{self.width}x{self.height}x24",
                                          "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.env["DISPLAY"] = f":{n}"
            try:
                poll(lambda: self.run(["xdpyinfo"], check=False).returncode == 0 or self.xvfb.poll() is not None,
                     timeout=10, what="Xvfb")
            except AssertionError:
                pass
            if self.xvfb.poll() is None:
                break
        # Wine's desktop process belongs to one display: start the prefix's server afresh on this one.
        self.run(["wineserver", "-k"], check=False)
        self.run(["wineserver", "-w"], check=False)
        if not os.path.exists(os.path.join(PREFIX, "system.reg")):
            self.run([WINE, "wineboot", "-i"], check=False, timeout=300)
            self.run(["wineserver", "-w"], check=False, timeout=300)
        return self

    def __exit__(self, *exc):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait(timeout=10)
        self.run(["wineserver", "-k"], check=False)
        self.run(["wineserver", "-w"], check=False, timeout=30)
        if self.xvfb:
            self.xvfb.send_signal(signal.SIGTERM)
            self.xvfb.wait(timeout=10)
        OPEN_DISPLAYS.remove(self)

    def describe(self):
        """What is on the display and which of the prefix's processes run, for a failure report."""
        try:
            windows = self.windows()
        except (subprocess.SubprocessError, OSError) as error:
            windows = error
        processes = subprocess.run(["ps", "-eo", "pid,stat,etime,args"], capture_output=True, text=True).stdout
        wine = [row for row in processes.splitlines() if ".exe" in row or "wine" in row]
        started = ", ".join(f"{p.pid} exit {p.poll()}" for p in self.processes)
        return (f"\n  windows on {self.env.get('DISPLAY')}: {windows}\n  started here: {started}"
                f"\n  processes:\n    " + "\n    ".join(wine))

    def run(self, args, check=True, timeout=30, **kw):
        return subprocess.run(args, env=self.env, check=check, timeout=timeout, capture_output=True, text=True, **kw)

    def start(self, args, cwd=None, env=None):
        process = subprocess.Popen(args, env=dict(self.env, **(env or {})), cwd=cwd,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def start_vistak(self, exe=None, env=None):
        """Starts a copy of Vistak.exe (by default a private copy of VISTAK_EXE in folder)."""
        return self.start([WINE, exe or EXE], env=env)

    # --- what the user sees -------------------------------------------------------

    def geometry(self, wid):
        """(x, y, width, height) of an X window, or None while it is not viewable."""
        info = self.run(["xwininfo", "-id", wid], check=False).stdout
        if "IsViewable" not in info:
            return None
        values = {}
        for row in info.splitlines():
            key, _, value = row.strip().partition(":")
            if key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                values[key] = int(value)
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"], values["Height"])

    def windows(self, pid=None, name=None, size=None):
        """Viewable top-level X windows, of a process, a name or a (width, height) if given:
        list of (id, x, y, width, height, name)."""
        tree = self.run(["xwininfo", "-root", "-children"]).stdout
        found = []
        for line in tree.splitlines():
            line = line.strip()
            if not line.startswith("0x"):
                continue
            wid = line.split()[0]
            title = line.split('"')[1] if '"' in line else ""
            if name is not None and title != name:
                continue
            geometry = self.geometry(wid)
            if geometry is None or (size is not None and geometry[2:] != tuple(size)):
                continue
            if pid is not None:
                prop = self.run(["xprop", "-id", wid, "_NET_WM_PID"], check=False).stdout
                if str(pid) not in prop.split():
                    continue
            found.append((wid, *geometry, title))
        return found

    def pointer(self):
        out = self.run(["xdotool", "getmouselocation", "--shell"]).stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"])

    def pixels(self, x, y, width, height):
        """The screen's RGB pixels of a rectangle: rows of (r, g, b) tuples."""
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8",
                              "rgb:-"], env=self.env, check=True, capture_output=True, timeout=30).stdout
        return [[tuple(raw[(row * width + col) * 3:(row * width + col) * 3 + 3]) for col in range(width)]
                for row in range(height)]

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True, timeout=30)

    # --- what the user does -------------------------------------------------------

    def xdotool(self, *args):
        return self.run(["xdotool", *map(str, args)])

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        # The button is held a moment, as a hand holds it: the press may activate a window, whose
        # activation handling dispatches waiting messages, and a release already queued with the
        # press would be taken before a button control has seen its press.
        self.xdotool("mousemove", x, y, "mousedown", button, "sleep", 0.15, "mouseup", button)


def move_and_wait_geometry(display, wid, pointer, expected, timeout=10, what="the lens to follow the pointer"):
    """Moves the pointer and waits until the window stands at expected (x, y, width, height)."""
    display.move(*pointer)
    seen = []

    def placed():
        seen.append(display.geometry(wid))
        return seen[-1] == expected

    try:
        poll(placed, timeout=timeout, what=what)
    except AssertionError:
        raise AssertionError(f"{what}: pointer {pointer}, window at {seen[-1]}, expected {expected}") from None


class VistakTestCase(unittest.TestCase):
    """Skips nothing: a missing exe is a failure."""

    def setUp(self):
        self.assertTrue(EXE and os.path.exists(EXE), f"VISTAK_EXE not found: {EXE!r}")
        self.folder = tempfile.mkdtemp(prefix="vistak-e2e-")
        self.exe = os.path.join(self.folder, "Vistak.exe")
        shutil.copy(EXE, self.exe)
        self.addCleanup(shutil.rmtree, self.folder, True)

    def settings_file(self):
        path = os.path.join(self.folder, "Vistak.txt")
        if not os.path.exists(path):
            return None
        with open(path, "rb") as settings:
            return settings.read()
