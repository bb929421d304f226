#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures the real program under Xvfb against a bare Qt window of the same size.

Usage: measure.py GAME BARE_WINDOW [RUNS] [--startup-only] [--scale F]
Starts the game and the bare window alternately, RUNS times each, and prints the medians of start
to first frame and of resident memory 1 s after it, and the two ratios game/bare. With --scale F
both run on a screen scaled by F (QT_SCALE_FACTOR), the yardstick as much as the game. Then, unless
--startup-only, the time the first press on a tile takes to show (from its arrival in the board to
the frame that shows the tile picked), resident memory while playing and CPU time while idle in a
running level and across link holds.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e"))
import e2e  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def reported_time(line, started, fallback):
    """Seconds from `started` to the moment a "... at N ns" line names, or to `fallback`."""
    words = line.split()
    if len(words) >= 3 and words[-1] == b"ns" and words[-3] == b"at":
        return int(words[-2]) / 1e9 - started
    return fallback - started


def start_to_first_frame(screen, program, scale):
    """Seconds from the start of the process to the start of its first paint and to its first
    frame painted whole, as the program reports them on the monotonic clock."""
    env = dict(screen.env)
    env["QUORVANE_TRACE_STARTUP"] = "1"
    if scale != 1:
        env["QT_SCALE_FACTOR"] = "%g" % scale
    started = time.monotonic()
    process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    first_paint = None
    while True:
        line = process.stdout.readline()
        if not line:
            raise e2e.Failure("no first frame from " + program)
        if b"first paint" in line:
            first_paint = reported_time(line, started, time.monotonic())
        if b"first frame" in line:
            return process, first_paint, reported_time(line, started, time.monotonic())


def parse_arguments(argv):
    """(game, bare, runs, startup_only, scale) from the command line."""
    startup_only = False
    scale = 1.0
    positional = []
    words = iter(argv)
    for word in words:
        if word == "--startup-only":
            startup_only = True
        elif word == "--scale":
            scale = float(next(words, "1"))
        elif word.startswith("--scale="):
            scale = float(word.split("=", 1)[1])
        else:
            positional.append(word)
    if len(positional) < 2 or scale <= 0:
        sys.exit(__doc__)
    runs = int(positional[2]) if len(positional) > 2 else 5
    return positional[0], positional[1], runs, startup_only, scale


def main():
    game, bare, runs, startup_only, scale = parse_arguments(sys.argv[1:])
    workdir = tempfile.mkdtemp(prefix="quorvane-measure-")
    screen = e2e.Screen(workdir)
    try:
        samples = {"game": ([], [], []), "bare": ([], [], [])}
        # Alternating runs share whatever else the machine is doing at the time.
        for _ in range(runs):
            for label, program in (("game", game), ("bare", bare)):
                process, paint, frame = start_to_first_frame(screen, program, scale)
                time.sleep(1.0)
                samples[label][0].append(frame)
                samples[label][1].append(rss_kib(process.pid))
                samples[label][2].append(paint)
                process.kill()
                process.wait()
        if scale != 1:
            print("screen scaled by %g" % scale)
        results = {}
        for label, (frames, memory, paints) in samples.items():
            results[label] = (statistics.median(frames), statistics.median(memory),
                              statistics.median(paints))
            print("%s: start to first frame %.1f ms (median of %d, %.1f to %.1f), "
                  "to its first paint starting %.1f ms, RSS 1 s after %.1f MiB"
                  % (label, results[label][0] * 1000, runs, min(frames) * 1000, max(frames) * 1000,
                     results[label][2] * 1000, results[label][1] / 1024))
        print("ratio game/bare: start %.2f, memory %.2f (first paint starting %.2f)"
              % (results["game"][0] / results["bare"][0], results["game"][1] / results["bare"][1],
                 results["game"][2] / results["bare"][2]))
        if startup_only:
            return 0

        # The first press on a tile, from its arrival in the board to the frame that shows it
        # picked (the game prints it when tracing), in a game started a second before.
        press_times = []
        for _ in range(runs):
            process, _, _ = start_to_first_frame(screen, game, scale)
            time.sleep(1.0)
            first = e2e.Game(screen, game, scale)
            first.process = process
            first.window = screen.wait_window()
            first.origin = screen.geometry(first.window)[:2]
            first.click_cell(2, 2)
            line = process.stdout.readline()
            if b"first press shown after" not in line:
                raise e2e.Failure("no first press from the game: %r" % line)
            press_times.append(float(line.split()[4]))  # "first press shown after X ms ..."
            process.kill()
            process.wait()
        print("game: first press to the frame that shows it %.2f ms (median of %d, %.2f to %.2f)"
              % (statistics.median(press_times), runs, min(press_times), max(press_times)))

        play = e2e.Game(screen, game, scale).start()
        pid = play.process.pid
        before = cpu_seconds(pid)
        time.sleep(10)
        idle = cpu_seconds(pid) - before
        print("game: CPU while idle in a running level: %.2f%% of one core (10 s)" % (idle * 10))

        holds = 0
        busy = 0.0
        for _ in range(6):
            pair = e2e.find_linkable_pair(play, screen.shot())
            if pair is None:
                break
            before = cpu_seconds(pid)
            play.click_cell(*pair[0])
            play.click_cell(*pair[1])
            time.sleep(0.45)
            busy += cpu_seconds(pid) - before
            holds += 1
            time.sleep(0.3)
        if holds:
            print("game: CPU across a press pair and its 0.4 s link hold: %.0f ms per removal (%d removals)"
                  % (busy * 1000 / holds, holds))
        print("game: RSS while playing %.1f MiB" % (rss_kib(pid) / 1024))
        play.kill()
    finally:
        screen.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
