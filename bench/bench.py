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
  against absolute budgets;
- the solver's corpus (bench/corpus: backward walks of 20 to 50 moves
  from ten shipped pictures), each level proved with a budget of one
  second and both cores, one level at a time: the share proved, the
  median and worst proof time, the peak memory of one proof, and that no
  level (each solvable by construction) is ever called unsolvable;
- how soon the editor's live analysis stops when the author edits:
  started on the shipped levels and on corpus levels and stopped early,
  deep in the proof and later, timed until its thread has ended.
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
# falls on both sides of a pair, each pair in the other order from the last.
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
        # Each pair in turn the other way round: a start right after the
        # game's is slower (the server and the kernel are still clearing up
        # after it), which would otherwise always fall on the same side.
        for pair in range(STARTUP_PAIRS):
            for mode, program in (("game", game), ("bare", bare))[::1 if pair % 2 == 0 else -1]:
                results[mode].append(watched_start(build, directory, environment, *program))
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
    par proved optimal (not a bound, an unknown or "unsolvable")."""
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
        match = re.search(r"\s(\d+) optimal\s|\s(\d+)\.\.(\d+) bound\s|\s>=(\d+) unknown\s|\sunsolvable\s", line)
        if not match:
            continue
        levels += 1
        if not match.group(1):
            proved = False
    return statistics.median(times), proved and levels > 0, levels


CORPUS_SECONDS = 1.0
CORPUS_MOST_PAR = 40  # every level of at most this par must be proved within the budget
GIB = 2**30


def corpus_reference(source):
    """What is known of each corpus level beforehand: the length of its walk
    (an upper bound of the par) from walks.txt, and the par or bounds a long
    run found, from pars.txt."""
    directory = os.path.join(source, "bench", "corpus")
    known = {}
    with open(os.path.join(directory, "walks.txt")) as walks:
        for line in walks:
            if not line.startswith("#"):
                name, number, _target, length = line.split()
                known[(name, int(number))] = {"upper": int(length), "par": None, "lower": 0}
    pars = os.path.join(directory, "pars.txt")
    if os.path.exists(pars):
        with open(pars) as lines:
            for line in lines:
                if line.startswith("#"):
                    continue
                name, number, answer, lower, moves = line.split()[:5]
                entry = known[(name, int(number))]
                entry["lower"] = int(lower)
                if answer == "optimal":
                    entry["par"] = int(moves)
                elif answer == "bound":
                    entry["upper"] = min(entry["upper"], int(moves))
    return known


def solver_corpus(build, source):
    """Every corpus level proved once with one second on both cores."""
    out = subprocess.run([os.path.join(build, "velorin-bench-corpus"), "run", os.path.join(source, "bench", "corpus"),
                          str(CORPUS_SECONDS), "1", "2"], check=True, capture_output=True, text=True).stdout
    known = corpus_reference(source)
    runs = []
    resident = 0
    for line in out.splitlines():
        if line.startswith("# peak-resident-bytes"):
            resident = int(line.split()[2])
            continue
        name, number, answer, lower, moves, wall, peak = line.split()
        runs.append({"key": (name, int(number)), "answer": answer, "lower": int(lower), "moves": int(moves),
                     "wall": float(wall), "peak": int(peak)})
    # A level must be proved when its par is known to be at most the limit.
    def must(run):
        entry = known[run["key"]]
        par = entry["par"] if entry["par"] is not None else (run["moves"] if run["answer"] == "optimal" else None)
        return (par is not None and par <= CORPUS_MOST_PAR) or entry["upper"] <= CORPUS_MOST_PAR
    proved = [run for run in runs if run["answer"] == "optimal" and run["wall"] <= CORPUS_SECONDS]
    required = [run for run in runs if must(run)]
    required_proved = [run for run in required if run in proved]
    times = sorted(run["wall"] for run in proved)
    return {
        "levels": len(runs),
        "proved": len(proved),
        "required": len(required),
        "required_proved": len(required_proved),
        "median": statistics.median(times) if times else float("inf"),
        "worst": max(run["wall"] for run in runs) if runs else float("inf"),
        "worst_required": max((run["wall"] for run in required), default=0.0),
        "peak": max((run["peak"] for run in runs), default=0),
        "resident": resident,
        "false_unsolvable": sum(run["answer"] in ("unsolvable", "fault") for run in runs),
    }


EDITOR_STOP_RUNS = 3


def editor_stops(build, source):
    """The worst time from an edit's stop until the live analysis has
    ended, over the shipped levels and two files of the corpus: the median
    of that worst over three runs (a busy machine may hold one thread back
    once), and the median of all stops."""
    files = [os.path.join(source, "data", "velor.dat")] + [
        os.path.join(source, "bench", "corpus", name) for name in ("walks-30.dat", "walks-50.dat")]
    worst, every = [], []
    for _ in range(EDITOR_STOP_RUNS):
        out = subprocess.run([os.path.join(build, "velorin-bench-editor"), "--stop"] + files, check=True,
                             capture_output=True, text=True).stdout
        ended = [float(line.split()[4]) / 1e3 for line in out.splitlines()]
        worst.append(max(ended))
        every += ended
    return statistics.median(worst), statistics.median(every), len(every)


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
    corpus = solver_corpus(build, source)
    stop_worst, stop_median, stops = editor_stops(build, source)

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
        (f"level check of the {levels} shipped levels (wall, 2 cores)", seconds(check), "", "≤ 2 s", check <= 2),
        ("par proved optimal for every level", "yes" if proved else "no", "", "all", proved),
        (f"editor proves par, slowest shipped level (wall; level {editor_level}, par {editor_level_par})",
         seconds(editor_slowest), "", "≤ 1 s", editor_slowest <= 1 and editor_proved),
        ("solver alone, all levels (CPU)", f"{seconds(solver_total)} (slowest: level {slowest_level}, {seconds(slowest)})",
         "", "-", None),
        (f"corpus: levels of par ≤ {CORPUS_MOST_PAR} proved optimal within {CORPUS_SECONDS:g} s (2 cores each)",
         f"{corpus['required_proved']} of {corpus['required']}", "", "all",
         corpus["required_proved"] == corpus["required"]),
        (f"corpus: all {corpus['levels']} levels proved within {CORPUS_SECONDS:g} s",
         f"{corpus['proved']} ({100 * corpus['proved'] / max(1, corpus['levels']):.0f} %)", "", "-", None),
        ("corpus: time to an answer, median of the proved / worst of any (the budget kept)",
         f"{seconds(corpus['median'])} / {seconds(corpus['worst'])}", "", f"≤ {CORPUS_SECONDS:g} s",
         corpus["worst_required"] <= CORPUS_SECONDS * 1.05),
        ("corpus: solvable levels called unsolvable (or a solution that does not replay)",
         str(corpus["false_unsolvable"]), "", "0", corpus["false_unsolvable"] == 0),
        ("corpus: peak memory of one proof (its tables / the process's peak)",
         f"{corpus['peak'] / mib:.1f} MiB / {corpus['resident'] / mib:.1f} MiB", "", "< 1 GiB",
         max(corpus["peak"], corpus["resident"]) < GIB),
        (f"editor: an edit stops the live analysis, worst of {stops // EDITOR_STOP_RUNS} (until its thread has ended; median of {EDITOR_STOP_RUNS} runs)",
         f"{seconds(stop_worst)} (median {seconds(stop_median)})", "", "≤ 15 ms", stop_worst <= 0.015),
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
