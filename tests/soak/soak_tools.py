"""Measuring a Wine GUI process from outside: its GDI objects, its resident
memory, and how often its window moves. Shared by the soak test and the
benchmark (bench/run_benchmark.py)."""
import os
import subprocess
import sys
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import vistak_e2e  # noqa: E402

def find_window(display, predicate, what, timeout=40):
    """The id of the first viewable window for which predicate(width, height, name) holds."""
    def look():
        for wid, x, y, width, height, name in display.windows():
            if predicate(width, height, name):
                return wid
        return None
    return vistak_e2e.poll(look, timeout=timeout, interval=0.5, what=what)


def gdi_objects(display, exe_name):
    """GDI objects in use by the one running process called exe_name (read from its handle table)."""
    helper = vistak_e2e.helper_exe("SOAK_GUI_RESOURCES")
    out = display.run([vistak_e2e.WINE, helper, exe_name], check=False, timeout=60)
    rows = [line.split() for line in out.stdout.splitlines() if line.strip()]
    if out.returncode != 0 or len(rows) != 1 or int(rows[0][1]) < 0:
        raise AssertionError(f"cannot count GDI objects of {exe_name}: rc={out.returncode} {out.stdout!r}")
    return int(rows[0][1])


def rss_kib(pid):
    """VmRSS of a Unix process, in KiB."""
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise AssertionError(f"no VmRSS for pid {pid}")


def cpu_ticks(pid):
    """utime + stime of a Unix process, in clock ticks."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def window_pid(display, wid):
    """The Unix pid that Wine gives a top-level X window (_NET_WM_PID)."""
    out = display.run(["xprop", "-id", wid, "_NET_WM_PID"], check=False).stdout
    digits = out.split("=")[-1].strip()
    return int(digits) if digits.isdigit() else None


def pointer_path(display, step=3, margin=0.2):
    """Points round a rectangle well inside the screen, step pixels apart: the
    lens moves at every point (neither edge rule of the lens ever applies)."""
    left, top = int(display.width * margin), int(display.height * margin)
    right, bottom = display.width - left, display.height - top
    points = [(x, top) for x in range(left, right, step)]
    points += [(right, y) for y in range(top, bottom, step)]
    points += [(x, bottom) for x in range(right, left, -step)]
    points += [(left, y) for y in range(bottom, top, -step)]
    return points


class PointerDriver:
    """Moves the pointer along a closed path, one point every interval seconds,
    until stopped; each round is one xdotool process."""

    def __init__(self, display, interval=0.025, points=None):
        self.display, self.interval = display, interval
        self.points = points or pointer_path(display)
        self.stop_event = threading.Event()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.process = None

    def _run(self):
        args = []
        for x, y in self.points:
            args += ["mousemove", str(x), str(y), "sleep", str(self.interval)]
        while not self.stop_event.is_set():
            self.process = subprocess.Popen(["xdotool", *args], env=self.display.env,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.process.wait()

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.stop_event.set()
        if self.process and self.process.poll() is None:
            self.process.kill()
        self.thread.join(timeout=30)
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)


class MoveCounter:
    """Counts ConfigureNotify events of an X window (each move or resize the
    X server made to it), from `xev -id <window> -event structure`."""

    def __init__(self, display, wid):
        self.process = subprocess.Popen(["xev", "-id", wid, "-event", "structure"], env=display.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.count = 0
        self.lock = threading.Lock()
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        for line in self.process.stdout:
            if line.startswith("ConfigureNotify event"):
                with self.lock:
                    self.count += 1

    def moves(self):
        with self.lock:
            return self.count

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=10)
        self.thread.join(timeout=10)
        self.process.stdout.close()
