"""Measuring a Wine GUI process from outside: its GDI objects, its resident
memory, and how often its window moves, while the pointer goes round. Shared by
the soak test and the benchmark (bench/run_benchmark.py)."""
import contextlib
import os
import signal
import subprocess
import sys
import threading

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import vistak_e2e  # noqa: E402


def gdi_objects(display, exe_name):
    """GDI objects in use by the one running process called exe_name (read from its handle table)."""
    out = display.run([vistak_e2e.WINE, vistak_e2e.helper_exe("SOAK_GUI_RESOURCES"), exe_name], check=False,
                      timeout=60)
    rows = [line.split() for line in out.stdout.splitlines() if line.strip()]
    if out.returncode != 0 or len(rows) != 1 or int(rows[0][1]) < 0:
        raise AssertionError(f"cannot count GDI objects of {exe_name}: rc={out.returncode} {out.stdout!r}")
    return int(rows[0][1])


def rss_kib(pid):
    """VmRSS of a Unix process, in KiB."""
    with open(f"/proc/{pid}/status") as status:
        return int(next(line for line in status if line.startswith("VmRSS:")).split()[1])


def window_pid(display, wid):
    """The Unix pid that Wine gives a top-level X window (_NET_WM_PID)."""
    return int(display.run(["xprop", "-id", wid, "_NET_WM_PID"]).stdout.split("=")[-1])


@contextlib.contextmanager
def moving_pointer(display, interval=0.025):
    """Moves the pointer round a rectangle well inside the screen, 3 pixels a step, one step every
    interval seconds, until the block ends: the lens moves at every step (no edge rule of the lens applies)."""
    left, top = display.width // 5, display.height // 5
    right, bottom = display.width - left, display.height - top
    points = ([(x, top) for x in range(left, right, 3)] + [(right, y) for y in range(top, bottom, 3)] +
              [(x, bottom) for x in range(right, left, -3)] + [(left, y) for y in range(bottom, top, -3)])
    args = [str(arg) for x, y in points for arg in ("mousemove", x, y, "sleep", interval)]
    # One round per xdotool; the shell and its xdotool form a process group of their own, ended together.
    loop = subprocess.Popen(["sh", "-c", 'while xdotool "$@"; do :; done', "sh", *args], env=display.env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        yield
    finally:
        os.killpg(loop.pid, signal.SIGKILL)
        loop.wait(timeout=10)


class MoveCounter:
    """Counts ConfigureNotify events of an X window (each move or resize the
    X server made to it), from `xev -id <window> -event structure`."""

    def __init__(self, display, wid):
        self.process = subprocess.Popen(["xev", "-id", wid, "-event", "structure"], env=display.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.count = 0
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        for line in self.process.stdout:
            # Only this thread writes the count; an int's update is atomic for its readers.
            self.count += line.startswith("ConfigureNotify event")

    def moves(self):
        return self.count

    def close(self):
        self.process.kill()
        self.process.wait(timeout=10)
        self.thread.join(timeout=10)
        self.process.stdout.close()
