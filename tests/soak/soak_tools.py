"""Measuring a Wine GUI process from outside: its GDI objects, its resident memory, and how often its window
moves, while the pointer goes round. Shared by the soak test and the benchmark (bench/run_benchmark.py)."""
import contextlib
import os
import re
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import vistak_e2e  # noqa: E402

# Wine's GDI trace: "allocated|freed <type> <handle> <n>/65536", n the process's objects in use (before the
# release, for "freed"). +pid starts each line with the process's id; +loaddll names the process's exe.
TRACE_LINE = re.compile(r'(\w+):\w+:trace:(?:loaddll:.*\\([^\\"]+)"|gdi:\w+ (allocated|freed) \S+ \S+ (\d+)/)')


class Traced:
    """A program started under Wine with its trace of GDI handles written to a file of its own. The Wine
    processes that a prefix's first program starts (explorer, services) inherit the trace and the file."""

    def __init__(self, display, exe, folder):
        self.name, self.trace = os.path.basename(exe), os.path.join(folder, "gdi-trace.log")
        self.process = display.start(["sh", "-c", 'exec "$@" 2>"$0"', self.trace, vistak_e2e.WINE, exe],
                                     env={"WINEDEBUG": "+pid,+loaddll,+gdi"})

    def sample(self):
        """(GDI objects in use by the program, its VmRSS in KiB)."""
        program = objects = None
        with open(self.trace, errors="replace") as trace:
            for pid, exe, change, count in (match.groups() for match in map(TRACE_LINE.match, trace) if match):
                if exe and exe.lower() == self.name.lower():
                    program = pid
                elif count and pid == program:
                    objects = int(count) - (change == "freed")
        if objects is None:
            raise AssertionError(f"no GDI trace of {self.name} in {self.trace}")
        return objects, rss_kib(self.process.pid)


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return int(next(line for line in status if line.startswith("VmRSS:")).split()[1])


@contextlib.contextmanager
def moving_pointer(display, interval=0.025, left=None, bottom=None):
    """Moves the pointer round a rectangle well inside the screen (its left and bottom edges where given),
    3 pixels a step, one step every interval seconds, until the block ends: the lens moves at every step
    (no edge rule of the lens applies)."""
    left, top = left or display.width // 5, display.height // 5
    right, bottom = display.width - display.width // 5, bottom or display.height - top
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
    """Counts the moves and resizes the X server made to a window (xev's ConfigureNotify events)."""

    def __init__(self, display, wid):
        self.log = tempfile.TemporaryFile(mode="a+b")  # appended to by xev wherever the reader has sought
        self.process = subprocess.Popen(["xev", "-id", wid, "-event", "structure"], env=display.env,
                                        stdout=self.log, stderr=subprocess.DEVNULL)

    def moves(self):
        self.log.seek(0)
        return self.log.read().count(b"ConfigureNotify event")

    def close(self):
        self.process.kill()
        self.process.wait(timeout=10)
        self.log.close()
