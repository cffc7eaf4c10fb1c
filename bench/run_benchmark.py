#!/usr/bin/env python3
"""CPU cost, tick rate and memory of Vistak's lens, beside a minimal reference lens.

Usage: bench/run_benchmark.sh [seconds]   (default 20, or BENCH_SECONDS), which
builds both programs and sets WINE, BENCH_BUILD, VISTAK_EXE, BENCH_REFERENCE_LENS and
E2E_WINEPREFIX for this script. Optional: BENCH_SIZES="1920x1080:3 3840x2160:1"
(screen sizes, each with its number of rounds).

At each size, rounds of three phases, each on a fresh private Xvfb of that size with the pointer moved
along the same closed path (one point every 25 ms, by xdotool):
  idle       no program: the X server's (and wineserver's) cost of the pointer path alone
  Vistak     Vistak.exe running, after its splash closed and its lens appeared
  reference  bench/reference_lens (GetCursorPos, SetWindowPos, BitBlt, StretchBlt per 50 ms tick)
For each it reads utime+stime from /proc/<pid>/stat of the program, of
wineserver and of Xvfb over the same N seconds and prints CPU ms per second,
less the idle phase's figures for wineserver and Xvfb; the verdict compares
each lens's best round, since other work on a shared machine only adds. Ticks per second are the
lens window's ConfigureNotify events per second (xev -event structure): the
pointer changes between any two ticks, so each tick that moves the lens counts
once and a tick that is missed or late does not count. Memory is the program
process's resident set (VmRSS) at the end of its phase. It is a benchmark, not a
test: it prints figures and the targets (>= 19.5 ticks/s; total CPU at 1920x1080
<= 1.15 x the reference's; resident memory <= 1.3 x the reference's at 1920x1080
and <= 1.5 x at 3840x2160) and exits 0 whatever they are.
"""
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "soak"))
import soak_tools  # noqa: E402
from soak_tools import vistak_e2e  # noqa: E402

HZ = os.sysconf("SC_CLK_TCK")
SECONDS = float(sys.argv[1]) if len(sys.argv) > 1 else float(os.environ.get("BENCH_SECONDS", "20"))
SIZES = [(tuple(map(int, size.split("x"))), int(rounds)) for size, rounds in
         (entry.split(":") for entry in os.environ.get("BENCH_SIZES", "1920x1080:3 3840x2160:1").split())]
# Per size: the CPU target (Vistak / reference, same run) and the memory target.
CPU_TARGETS = {(1920, 1080): 1.15}
RSS_TARGETS = {(1920, 1080): 1.3, (3840, 2160): 1.5}
TICKS_TARGET = 19.5


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
    """utime + stime of a Unix process, in clock ticks (0 for none)."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])
    except OSError:
        return 0


def find_window(display, predicate, what):
    """The id of the first viewable window for which predicate(width, height, name) holds."""
    return vistak_e2e.poll(lambda: [w[0] for w in display.windows() if predicate(*w[3:])], timeout=60,
                           interval=0.5, what=what)[0]


def measure(display, program_pid, lens):
    """CPU ms/s of program, wineserver, Xvfb and lens moves/s over SECONDS."""
    server = wineserver_pid()
    counter = soak_tools.MoveCounter(display, lens) if lens else None
    pids = (program_pid, server, display.xvfb.pid)
    time.sleep(0.5)  # xev has selected its events
    before, moves_before, t0 = [cpu(p) for p in pids], counter.moves() if counter else 0, time.monotonic()
    time.sleep(SECONDS)
    after, moves_after, t1 = [cpu(p) for p in pids], counter.moves() if counter else 0, time.monotonic()
    rss_mb = soak_tools.rss_kib(program_pid) / 1024.0 if program_pid else 0.0
    if counter:
        counter.close()
    elapsed = t1 - t0
    ms = [(a - b) * 1000.0 / HZ / elapsed for a, b in zip(after, before)]
    return {"program": ms[0], "wineserver": ms[1], "xvfb": ms[2],
            "ticks": (moves_after - moves_before) / elapsed, "rss": rss_mb, "load": os.getloadavg()[0]}


def phase(size, args, predicate, what):
    with vistak_e2e.Display(*size) as display:
        with soak_tools.moving_pointer(display):
            if not args:
                time.sleep(2)
                return measure(display, None, None)
            program = display.start(args)
            lens = find_window(display, predicate, what)
            time.sleep(3)  # warm-up
            return measure(display, program.pid, lens)


def totals_less_idle(result, idle):
    server, xvfb = result["wineserver"] - idle["wineserver"], result["xvfb"] - idle["xvfb"]
    return server, xvfb, result["program"] + server + xvfb


def ratio(a, b):
    return a / b if b > 0 else float("inf")


def verdict(value, target):
    return f"(target <= {target:.2f}x): {'met' if value <= target else 'NOT met'}"


def run_size(size, rounds, programs):
    """Runs the rounds at one screen size and prints the figures; returns each lens's best round."""
    width, height = size
    lens_size = (int(width / 5 * 2.5), int(height / 20 * 2.5))
    predicates = {"Vistak": lambda w, h, n: (w, h) == lens_size, "reference": lambda w, h, n: n == "reference lens"}
    print(f"\n{width}x{height}, {rounds} rounds of {SECONDS:.0f} s per phase")
    print(f"{'':<14} {'program':>8} {'wineserver':>10} {'Xvfb':>8} {'total':>8} {'ticks/s':>8} {'RSS MB':>7} "
          f"{'load':>6}")
    best, rss = {}, {}
    for round_number in range(1, rounds + 1):
        # Each round measures all three phases, so that other work on the machine weighs on both lenses alike.
        idle = phase(size, None, None, None)
        print(f"{'idle':<14} {'-':>8} {idle['wineserver']:>10.1f} {idle['xvfb']:>8.1f} {'-':>8} {'-':>8} {'-':>7} "
              f"{idle['load']:>6.2f}", flush=True)
        for name, (args, what) in programs.items():
            result = phase(size, args, predicates[name], what)
            server, xvfb, total = totals_less_idle(result, idle)
            print(f"{name + ' ' + str(round_number):<14} {result['program']:>8.1f} {server:>10.1f} {xvfb:>8.1f} "
                  f"{total:>8.1f} {result['ticks']:>8.2f} {result['rss']:>7.1f} {result['load']:>6.2f}", flush=True)
            if name not in best or total < best[name]["total"]:
                best[name] = dict(result, total=total)
            rss[name] = max(rss.get(name, 0.0), result["rss"])

    vistak, reference = best["Vistak"], best["reference"]
    print(f"Best rounds at {width}x{height} (other work on the machine only adds to a round's figures):")
    print(f"  Vistak ticks/s {vistak['ticks']:.2f} (target >= {TICKS_TARGET}): "
          f"{'met' if vistak['ticks'] >= TICKS_TARGET else 'NOT met'}")
    cpu_ratio = ratio(vistak["total"], reference["total"])
    print(f"  CPU Vistak / reference: {vistak['total']:.1f} / {reference['total']:.1f} ms/s = {cpu_ratio:.2f}x "
          + (verdict(cpu_ratio, CPU_TARGETS[size]) if size in CPU_TARGETS else "(no target at this size)"))
    rss_ratio = ratio(rss["Vistak"], rss["reference"])
    print(f"  RSS Vistak / reference (highest round): {rss['Vistak']:.1f} / {rss['reference']:.1f} MB = "
          f"{rss_ratio:.2f}x " + (verdict(rss_ratio, RSS_TARGETS[size]) if size in RSS_TARGETS else "(no target)"),
          flush=True)


def main():
    exe = required_file("VISTAK_EXE")
    folder = tempfile.mkdtemp(prefix="vistak-bench-")
    vistak = os.path.join(folder, "Vistak.exe")
    subprocess.run(["cp", exe, vistak], check=True)
    reference = required_file("BENCH_REFERENCE_LENS")
    programs = {
        "Vistak": ([vistak_e2e.WINE, vistak], "Vistak's lens"),
        "reference": ([vistak_e2e.WINE, reference], "the reference lens"),
    }
    print(f"benchmark: {os.environ.get('BENCH_BUILD', 'unnamed')} build under {vistak_e2e.WINE}, "
          f"{os.cpu_count()} cores")
    print("CPU ms per second (wineserver and Xvfb less the idle phase); ticks = lens moves per second;")
    print("RSS = resident memory of the program process at the end of its phase")
    for size, rounds in SIZES:
        run_size(size, rounds, programs)
    subprocess.run(["rm", "-rf", folder])
    print("load is the 1-minute load average at the end of each phase (2 cores shared with other runs)")


if __name__ == "__main__":
    main()
