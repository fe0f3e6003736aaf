#!/usr/bin/env python3
"""Runs the benchmarks and prints one table: figure, its yardstick, the
ratio, target, met.

Usage: bench.py BUILD_DIR SOURCE_DIR

Every target but those of fixed work is a ratio to a yardstick measured in
the same run, so that it holds on any machine of the kind:

- the board benchmarks (Google Benchmark, offscreen platform, repetitions
  interleaved at random with their yardsticks): medians of CPU time, each
  against the bare pixel work it needs;
- start-up as the player sees it: the game against a bare window of the
  same size with one button caption, both timed from outside on a private
  X server with a session bus (launch to the window being mapped, and to
  its first frame on the screen), in alternating pairs: medians of each,
  and the median of the pairs' ratios; peak resident memory likewise,
  over the whole start-up;
- the level check of the shipped levels, and the level editor's proof of
  par on each shipped level (the slowest): fixed pieces of work, timed
  against absolute budgets.
"""
import json
import re
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# Start-ups of each program; the ratios are medians over the pairs of runs
# next to each other, so that a drift of the machine during the bench
# falls on both sides of a pair.
STARTUP_PAIRS = 31


def board_benchmarks(build):
    out = subprocess.run(
        [os.path.join(build, "velorin-bench-board"), "--benchmark_repetitions=9", "--benchmark_min_time=0.2",
         "--benchmark_enable_random_interleaving=true", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    medians = {}
    for entry in json.loads(out)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            unit = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
            medians[entry["run_name"]] = entry["cpu_time"] * unit
    return medians


class SessionBus:
    """A private session bus, as every desktop session has one: without it
    the toolkit tries to start a bus of its own in each program measured."""
    def __enter__(self):
        self.process = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.process.stdout.readline().strip()
        if not self.address:
            raise RuntimeError("dbus-daemon did not start")
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()


class XServer:
    def __enter__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            # -noreset: the server takes no new client while it resets after
            # the last one has gone, and every start here is a last client.
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-br", "-noreset"],
            pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 1)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read)
        self.display = ":" + number.decode().strip()
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()


def watched_start(build, directory, environment, pixel, command):
    """Seconds to the window's mapping and to its first frame, and peak
    resident memory in bytes, of one start seen from outside."""
    watch = os.path.join(build, "velorin-startup-watch")
    run = subprocess.run([watch, str(pixel[0]), str(pixel[1])] + command, cwd=directory, env=environment,
                         capture_output=True, text=True)
    if run.returncode != 0:
        raise RuntimeError(run.stderr.strip())
    mapped, drawn, rss = run.stdout.split()
    return float(mapped), float(drawn), int(rss)


def startup(build, source):
    # A pixel that the first frame draws in something other than black:
    # the beige of the score picture, and the bare window's background.
    game = ((498, 327), [os.path.join(build, "velorin")])
    bare = ((5, 5), [os.path.join(build, "velorin-bare-window")])
    with tempfile.TemporaryDirectory() as directory, XServer() as server, SessionBus() as bus:
        for name in ("velor.dat", "velor.hlp"):
            shutil.copy(os.path.join(source, "data", name), directory)
        environment = dict(os.environ, DISPLAY=server.display, QT_QPA_PLATFORM="xcb",
                           DBUS_SESSION_BUS_ADDRESS=bus.address)
        results = {"game": [], "bare": []}
        watched_start(build, directory, environment, *bare)  # warm the caches once
        watched_start(build, directory, environment, *game)
        for _ in range(STARTUP_PAIRS):
            results["game"].append(watched_start(build, directory, environment, *game))
            results["bare"].append(watched_start(build, directory, environment, *bare))
    def median(mode, index):
        return statistics.median(run[index] for run in results[mode])
    pairs = list(zip(results["game"], results["bare"]))
    figures = {mode: {"mapped": median(mode, 0), "frame": median(mode, 1), "rss": median(mode, 2)}
               for mode in results}
    figures["paired"] = {"mapped": statistics.median(game[0] / bare[0] for game, bare in pairs),
                         "frame": statistics.median(game[1] / bare[1] for game, bare in pairs),
                         "rss": statistics.median(game[2] - bare[2] for game, bare in pairs)}
    return figures


def level_check(build, source):
    """Median wall time of the level tool's check of the shipped set (every
    par proved, every start move settled), and whether every level has its
    par proved optimal."""
    tool = os.path.join(build, "velorin-levels")
    times = []
    for _ in range(5):
        start = time.perf_counter()
        report = subprocess.run([tool, "check", os.path.join(source, "data", "velor.dat")],
                                check=True, capture_output=True, text=True).stdout
        times.append(time.perf_counter() - start)
    proved = True
    levels = 0
    for line in report.splitlines():
        match = re.search(r"\s(\d+) optimal\s|\s(\d+)\.\.(\d+) bound\s", line)
        if not match:
            continue
        levels += 1
        if match.group(2):
            proved = False
    return statistics.median(times), proved and levels > 0, levels


def solver_per_level(build):
    """The solver alone on each shipped level: the slowest and the sum."""
    out = subprocess.run(
        [os.path.join(build, "velorin-bench-solver"), "--benchmark_filter=BM_SolveLevel",
         "--benchmark_min_time=0.05", "--benchmark_format=json"],
        check=True, capture_output=True, text=True).stdout
    cpu = {entry["name"]: entry["cpu_time"] * 1e-3 for entry in json.loads(out)["benchmarks"]}  # ms
    slowest = max(cpu, key=cpu.get)
    return sum(cpu.values()), slowest.split("/")[-1], cpu[slowest]


def editor_par(build):
    """The editor's proof of par on each shipped level (wall time until its
    window learns the par): the slowest level, and whether every par was
    proved."""
    out = subprocess.run([os.path.join(build, "velorin-bench-editor")], check=True, capture_output=True,
                         text=True).stdout
    rows = [line.split() for line in out.splitlines()]
    slowest = max(rows, key=lambda row: float(row[1]))
    proved = all(row[3] == "1" for row in rows) and len(rows) > 0
    return float(slowest[1]), slowest[0], int(slowest[2]), proved


def seconds(value):
    if value >= 1:
        return f"{value:.2f} s"
    if value >= 1e-3:
        return f"{value * 1e3:.2f} ms"
    return f"{value * 1e6:.2f} µs"


def main():
    build, source = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    board = board_benchmarks(build)
    start = startup(build, source)
    check, proved, levels = level_check(build, source)
    solver_total, slowest_level, slowest = solver_per_level(build)
    editor_slowest, editor_level, editor_level_par, editor_proved = editor_par(build)

    def against(figure, yardstick, limit, ratio=None):
        ratio = figure / yardstick if ratio is None else ratio
        return f"{seconds(figure)} / {seconds(yardstick)}", f"{ratio:.2f}", f"≤ {limit:.2f}", ratio <= limit

    game, bare, paired = start["game"], start["bare"], start["paired"]
    mib = 2**20
    rows = [
        ("start-up to the window mapped (game / bare window)",
         *against(game["mapped"], bare["mapped"], 1.1, paired["mapped"])),
        ("start-up to the first frame (game / bare window)",
         *against(game["frame"], bare["frame"], 1.1, paired["frame"])),
        ("peak resident memory at start-up (game / bare window)",
         f"{game['rss'] / mib:.1f} MiB / {bare['rss'] / mib:.1f} MiB", f"+{paired['rss'] / mib:.1f} MiB",
         "≤ +3 MiB", paired["rss"] <= 3 * mib),
        ("move with its redraw (CPU) / its pixel work",
         *against(board["BM_SpielfeldMouseDown"], board["BM_YardstickMove"], 1.5)),
        ("SpielfeldPaint (CPU) / its pixel work", *against(board["BM_SpielfeldPaint"], board["BM_YardstickPaint"], 1.5)),
        ("ShowZiffer (CPU) / its pixel work", *against(board["BM_ShowZiffer"], board["BM_YardstickZiffer"], 1.5)),
        ("ring offer and choice (CPU)", seconds(board["BM_RingPress"]), "", "-", None),
        ("ShowZiel (CPU)", seconds(board["BM_ShowZiel"]), "", "-", None),
        ("LoadFile of 99 levels (CPU)", seconds(board["BM_LoadFile99Levels"]), "", "-", None),
    ]
    rows += [
        (f"level check of the {levels} shipped levels (wall, 2 cores)", seconds(check), "", "≤ 5 s", check <= 5),
        ("par proved optimal for every level", "yes" if proved else "no", "", "all", proved),
        (f"editor proves par, slowest shipped level (wall; level {editor_level}, par {editor_level_par})",
         seconds(editor_slowest), "", "≤ 1 s", editor_slowest <= 1 and editor_proved),
        ("solver alone, all levels (CPU)", f"{seconds(solver_total)} (slowest: level {slowest_level}, {seconds(slowest)})",
         "", "-", None),
    ]

    headings = ("figure", "median / yardstick", "ratio", "target")
    widths = [max(len(row[i]) for row in rows + [headings]) for i in range(4)]
    print("  ".join(f"{h:<{w}}" for h, w in zip(headings, widths)) + "  met")
    print("-" * (sum(widths) + 13))
    for row in rows:
        verdict = "-" if row[4] is None else ("yes" if row[4] else "NO")
        print("  ".join(f"{cell:<{w}}" for cell, w in zip(row[:4], widths)) + f"  {verdict}")
    return 0 if all(row[4] is not False for row in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
