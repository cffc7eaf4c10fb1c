#!/usr/bin/env python3
"""CPU cost, tick rate and memory of Vistak's lens, beside two reference lenses.

Usage: bench/run_benchmark.sh [seconds]   (default 15, or BENCH_SECONDS), which builds the programs and sets
WINE, BENCH_BUILD, VISTAK_EXE, BENCH_REFERENCE_LENS and E2E_WINEPREFIX for this script. Optional:
BENCH_ROUNDS (default 3) and BENCH_CASES (default "1920x1080 3840x2160 1920x1080@8": screen sizes, each
with its zoom after an @ if not 2.5).

The reference lenses (bench/reference_lens) share Vistak's geometry at the same zoom:
  bare    GetCursorPos, SetWindowPos, BitBlt, StretchBlt onto the window per 50 ms tick
  floor   the bare lens plus what a faithful tick cannot leave out: five yields that dispatch whatever
          waits, the keyboard focus on a text box of the lens after each capture, and the copy from the
          screen's DC (GetDC(NULL)), which reaches every monitor
Each round measures, on a fresh private Xvfb of the case's size with the pointer moved along the same
closed path (one point every 25 ms, by xdotool), the idle phase (no program: the X server's and
wineserver's cost of the path alone), then each program with its lens up (Vistak's zoom is set through
its settings window, opened with F5, as a user does). It reads the CPU time of the program's, wineserver's and Xvfb's
threads (/proc/<pid>/task/*/schedstat) over the same N seconds: CPU ms per second, wineserver and Xvfb less
the idle phase's. Ticks per second are the lens window's ConfigureNotify events per second (xev -event
structure): the pointer changes between any two ticks, so each tick that moves the lens counts once.
Memory is the program process's resident set (VmRSS) at the end of its phase.
Ratios are taken within each round (the programs of a round share the machine's load) and the median of
the rounds is printed. It is a benchmark, not a test: it prints the figures and the targets (CPU at most
1.05 x the floor's, memory at most 1.15 x the floor's at zoom 2.5, at least 19.5 ticks/s) and exits 0.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "soak"))
import soak_tools  # noqa: E402
from soak_tools import vistak_e2e  # noqa: E402
import design  # noqa: E402  (on the path through vistak_e2e)

SECONDS = float(sys.argv[1]) if len(sys.argv) > 1 else float(os.environ.get("BENCH_SECONDS", "15"))
ROUNDS = int(os.environ.get("BENCH_ROUNDS", "3"))
CASES = [(tuple(map(int, size.split("x"))), float(zoom or 2.5)) for size, _, zoom in
         (case.partition("@") for case in os.environ.get("BENCH_CASES", "1920x1080 3840x2160 1920x1080@8").split())]
CPU_TARGET, RSS_TARGET, TICKS_TARGET = 1.05, 1.15, 19.5


def required_file(variable):
    path = os.environ.get(variable, "")
    if not os.path.exists(path):
        sys.exit(f"{variable} names no file: {path!r} (bench/run_benchmark.sh sets it)")
    return path


def wineserver_pid():
    """The wineserver of this prefix, if one runs."""
    want = f"WINEPREFIX={vistak_e2e.PREFIX}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/comm") as comm:
                if not comm.read().startswith("wineserver"):
                    continue
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if want in environ.read().split(b"\0"):
                    return int(entry)
        except OSError:
            continue
    return None


def cpu(pid):
    """CPU time of a Unix process's threads in ms (0 for none): the scheduler's nanoseconds, where
    utime and stime count whole clock ticks."""
    total = 0
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
    except OSError:
        pass  # a thread that ended meanwhile, or no process
    return total / 1e6


def lens_size(size, zoom):
    width, height = size
    return round(min(width / 5 * zoom, width)), round(height / 20 * zoom)


def find_window(display, predicate, what):
    """The id of the first viewable window for which predicate(width, height, name) holds."""
    return vistak_e2e.poll(lambda: [w[0] for w in display.windows() if predicate(*w[3:])], timeout=60,
                           interval=0.5, what=what)[0]


def set_vistak_zoom(display, lens, size, zoom):
    """Opens the settings window with F5 in the lens and presses the zoom's button; returns the lens's id."""
    caption = f"{zoom:.2f}"
    display.keys(lens, "F5")
    vistak_e2e.poll(lambda: [w for w in display.windows(name=design.SETTINGS_CAPTION)
                             if tuple(w[1:5]) == design.SETTINGS_AT_CORNER], what="the settings window")
    left, top, width, height = design.ZOOM[caption][0]
    display.click(design.SETTINGS_AT_CORNER[0] + left + width // 2, design.SETTINGS_AT_CORNER[1] + top + height // 2)
    return find_window(display, lambda w, h, n: (w, h) == lens_size(size, zoom), f"Vistak's lens at zoom {caption}")


def measure(display, program_pid, lens):
    """CPU ms/s of program, wineserver, Xvfb and lens moves/s over SECONDS."""
    server = wineserver_pid()
    counter = soak_tools.MoveCounter(display, lens) if lens else None
    pids = (program_pid, server, display.servers[0].pid)  # the Xvfb
    time.sleep(0.5)  # xev has selected its events
    before, moves_before, t0 = [cpu(p) for p in pids], counter.moves() if counter else 0, time.monotonic()
    time.sleep(SECONDS)
    after, moves_after, t1 = [cpu(p) for p in pids], counter.moves() if counter else 0, time.monotonic()
    rss_mb = soak_tools.rss_kib(program_pid) / 1024.0 if program_pid else 0.0
    if counter:
        counter.close()
    elapsed = t1 - t0
    ms = [(a - b) / elapsed for a, b in zip(after, before)]
    return {"program": ms[0], "wineserver": ms[1], "xvfb": ms[2],
            "ticks": (moves_after - moves_before) / elapsed, "rss": rss_mb, "load": os.getloadavg()[0]}


def phase(size, zoom, program):
    """One program's (or, for None, the idle) figures on a fresh display of this size."""
    with vistak_e2e.Display(*size) as display:
        lens = None
        if program:
            process = display.start(program["args"](zoom))
            lens = find_window(display, program["window"](size), program["what"])
            if program.get("zoom") and zoom != 2.5:
                lens = program["zoom"](display, lens, size, zoom)
        # The path stays clear of where an edge rule holds the lens still: left of 64 x zoom pixels it
        # stands at the screen's left edge, and from where it goes above the pointer it stands a while
        # at twice the source's height.
        lens_height, offset = lens_size(size, zoom)[1], size[1] // 40
        with soak_tools.moving_pointer(display, left=max(size[0] // 5, round(64 * zoom) + 3),
                                       bottom=min(size[1] * 4 // 5, size[1] - lens_height - offset - 3)):
            time.sleep(3 if program else 2)  # warm-up
            return measure(display, process.pid if program else None, lens)


def less_idle(result, idle):
    server, xvfb = result["wineserver"] - idle["wineserver"], result["xvfb"] - idle["xvfb"]
    return dict(result, wineserver=server, xvfb=xvfb, total=result["program"] + server + xvfb)


def ratio(a, b):
    return a / b if b > 0 else float("inf")


def run_case(size, zoom, programs):
    """Runs the rounds of one case, printing each phase; returns the median per-round ratios and figures."""
    width, height = size
    print(f"\n{width}x{height} zoom {zoom:g}: {ROUNDS} rounds of {SECONDS:.0f} s per phase")
    print(f"{'':<12} {'program':>8} {'wineserver':>10} {'Xvfb':>8} {'total':>8} {'ticks/s':>8} {'RSS MB':>7} "
          f"{'load':>6}")
    rounds = []
    for number in range(ROUNDS):
        idle = phase(size, zoom, None)
        print(f"{'idle':<12} {'-':>8} {idle['wineserver']:>10.1f} {idle['xvfb']:>8.1f} {'-':>8} {'-':>8} {'-':>7} "
              f"{idle['load']:>6.2f}", flush=True)
        figures = {}
        # The order turns from round to round, so that no program always follows the idle phase.
        names = list(programs)
        for name in names[number % len(names):] + names[:number % len(names)]:
            result = figures[name] = less_idle(phase(size, zoom, programs[name]), idle)
            print(f"{name + ' ' + str(number + 1):<12} {result['program']:>8.1f} {result['wineserver']:>10.1f} "
                  f"{result['xvfb']:>8.1f} {result['total']:>8.1f} {result['ticks']:>8.2f} {result['rss']:>7.1f} "
                  f"{result['load']:>6.2f}", flush=True)
        rounds.append(figures)

    def median(key, a, b=None):
        return statistics.median(ratio(r[a][key], r[b][key]) if b else r[a][key] for r in rounds)

    summary = {"cpu_floor": median("total", "Vistak", "floor"), "cpu_bare": median("total", "Vistak", "bare"),
               "floor_bare": median("total", "floor", "bare"), "rss_floor": median("rss", "Vistak", "floor"),
               "rss_bare": median("rss", "Vistak", "bare"), "ticks": min(r["Vistak"]["ticks"] for r in rounds)}
    summary.update({f"{name}_{key}": median(key, name) for name in programs for key in ("total", "program", "rss")})
    print(f"Medians: CPU ms/s Vistak {summary['Vistak_total']:.1f} (program {summary['Vistak_program']:.1f}), "
          f"floor {summary['floor_total']:.1f} ({summary['floor_program']:.1f}), bare {summary['bare_total']:.1f} "
          f"({summary['bare_program']:.1f}); RSS MB Vistak {summary['Vistak_rss']:.1f}, floor "
          f"{summary['floor_rss']:.1f}, bare {summary['bare_rss']:.1f}", flush=True)
    return summary


def verdict(value, target, above=False):
    met = value >= target if above else value <= target
    return f"{value:.2f} ({'>=' if above else '<='} {target:g}: {'met' if met else 'NOT met'})"


def main():
    exe = required_file("VISTAK_EXE")
    reference = required_file("BENCH_REFERENCE_LENS")
    folder = tempfile.mkdtemp(prefix="vistak-bench-")
    vistak = os.path.join(folder, "Vistak.exe")
    subprocess.run(["cp", exe, vistak], check=True)
    programs = {
        "Vistak": {"args": lambda zoom: [vistak_e2e.WINE, vistak], "what": "Vistak's lens", "zoom": set_vistak_zoom,
                   "window": lambda size: lambda w, h, n: (w, h) == lens_size(size, 2.5)},
        "floor": {"args": lambda zoom: [vistak_e2e.WINE, reference, "--floor", f"--zoom={zoom:g}"],
                  "what": "the floor lens", "window": lambda size: lambda w, h, n: n == "floor lens"},
        "bare": {"args": lambda zoom: [vistak_e2e.WINE, reference, f"--zoom={zoom:g}"],
                 "what": "the bare lens", "window": lambda size: lambda w, h, n: n == "reference lens"},
    }
    print(f"benchmark: {os.environ.get('BENCH_BUILD', 'unnamed')} build under {vistak_e2e.WINE}, "
          f"{os.cpu_count()} cores")
    print("CPU ms per second (wineserver and Xvfb less the idle phase); ticks = lens moves per second;")
    print("RSS = resident memory of the program process at the end of its phase")
    summaries = [(size, zoom, run_case(size, zoom, programs)) for size, zoom in CASES]
    subprocess.run(["rm", "-rf", folder])
    print("\nMedians of the per-round ratios (load is the 1-minute load average; 2 cores shared with other runs)")
    for (width, height), zoom, s in summaries:
        line = (f"  {width}x{height} zoom {zoom:g}: CPU Vistak/floor {verdict(s['cpu_floor'], CPU_TARGET)}, "
                f"Vistak/bare {s['cpu_bare']:.2f}, floor/bare {s['floor_bare']:.2f}; ")
        if zoom == 2.5:
            line += f"RSS Vistak/floor {verdict(s['rss_floor'], RSS_TARGET)}, Vistak/bare {s['rss_bare']:.2f}; "
        print(line + f"ticks/s (lowest round) {verdict(s['ticks'], TICKS_TARGET, above=True)}", flush=True)


if __name__ == "__main__":
    main()
