#!/usr/bin/env python3
"""Runs the benchmarks and prints one table: figure, median, target, met.

Usage: bench.py BUILD_DIR SOURCE_DIR

- the board benchmarks (Google Benchmark, offscreen platform): medians of
  CPU time over repetitions;
- start-up: the game's four windows up to the first painted frame, against a
  bare window of the same size, both timed as whole processes on a private
  X server, alternating, medians and peak resident memory;
- the level check of the shipped levels, timed as a whole process;
- the level editor's proof of par on each shipped level, the slowest timed.
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

RUNS = 15


def board_benchmarks(build):
    out = subprocess.run(
        [os.path.join(build, "velorin-bench-board"), "--benchmark_repetitions=7", "--benchmark_min_time=0.2",
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    medians = {}
    for entry in json.loads(out)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            unit = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
            medians[entry["run_name"]] = entry["cpu_time"] * unit
    return medians


class XServer:
    def __enter__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
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


def timed_run(command, directory, environment):
    """Wall time and peak resident memory (bytes) of one whole process."""
    start = time.perf_counter()
    process = subprocess.Popen(command, cwd=directory, env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        raise RuntimeError(f"{command} ended with status {status}")
    return elapsed, usage.ru_maxrss * 1024


def startup(build, source):
    probe = os.path.join(build, "velorin-startup-probe")
    with tempfile.TemporaryDirectory() as directory, XServer() as server:
        for name in ("velor.dat", "velor.hlp"):
            shutil.copy(os.path.join(source, "data", name), directory)
        environment = dict(os.environ, DISPLAY=server.display, QT_QPA_PLATFORM="xcb")
        results = {"game": [], "bare": []}
        timed_run([probe, "bare"], directory, environment)  # warm the caches once
        for _ in range(RUNS):
            for mode in ("game", "bare"):
                results[mode].append(timed_run([probe, mode], directory, environment))
    def median(mode, index):
        return statistics.median(run[index] for run in results[mode])
    return {"game": median("game", 0), "bare": median("bare", 0),
            "game_rss": median("game", 1), "bare_rss": median("bare", 1)}


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

    ratio = start["game"] / start["bare"]
    rows = [
        ("start-up to first frame (game / bare window)",
         f"{seconds(start['game'])} / {seconds(start['bare'])} = {ratio:.2f}", "≤ 1.20", ratio <= 1.2),
        ("peak resident memory at start-up (game)",
         f"{start['game_rss'] / 2**20:.1f} MiB (bare {start['bare_rss'] / 2**20:.1f} MiB)", "≤ 35 MiB",
         start["game_rss"] <= 35 * 2**20),
        ("move with its redraw (CPU)", seconds(board["BM_SpielfeldMouseDown"]), "≤ 20 µs",
         board["BM_SpielfeldMouseDown"] <= 20e-6),
        ("ring offer and choice (CPU)", seconds(board["BM_RingPress"]), "-", None),
        ("SpielfeldPaint (CPU)", seconds(board["BM_SpielfeldPaint"]), "≤ 1 ms", board["BM_SpielfeldPaint"] <= 1e-3),
        ("ShowZiel (CPU)", seconds(board["BM_ShowZiel"]), "-", None),
        ("ShowZiffer (CPU)", seconds(board["BM_ShowZiffer"]), "≤ 20 µs", board["BM_ShowZiffer"] <= 20e-6),
        ("LoadFile of 99 levels (CPU)", seconds(board["BM_LoadFile99Levels"]), "-", None),
    ]
    rows += [
        (f"level check of the {levels} shipped levels (wall, 2 cores)", seconds(check), "≤ 5 s", check <= 5),
        ("par proved optimal for every level", "yes" if proved else "no", "all", proved),
        (f"editor proves par, slowest shipped level (wall; level {editor_level}, par {editor_level_par})",
         seconds(editor_slowest), "≤ 1 s", editor_slowest <= 1 and editor_proved),
        ("solver alone, all levels (CPU)", f"{seconds(solver_total)} (slowest: level {slowest_level}, {seconds(slowest)})",
         "-", None),
    ]

    width = max(len(row[0]) for row in rows)
    value_width = max(len(row[1]) for row in rows)
    print(f"{'figure':<{width}}  {'median':<{value_width}}  {'target':<8}  met")
    print("-" * (width + value_width + 17))
    for figure, value, target, met in rows:
        verdict = "-" if met is None else ("yes" if met else "NO")
        print(f"{figure:<{width}}  {value:<{value_width}}  {target:<8}  {verdict}")
    return 0 if all(row[3] is not False for row in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
