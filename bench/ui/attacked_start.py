#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start to first frame while the lock's paths are taken, and how long a later start takes.

Usage: attacked_start.py GAME [RUNS]
For each case the game is started RUNS times under Xvfb and the median from just before fork to
its "first frame" line is printed: nothing in the way; a folder, then a FIFO at both the path
earlier builds locked ($TMPDIR/quorvane-$USER.lock) and the game's own lock path; another
process holding a flock on the earlier path's file. Then the time a later start takes to hand
its request to the running game and end.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from measure import e2e, start_to_first_frame

APP_ID = "io.github.quorvane.Quorvane"


def main():
    game = os.path.realpath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
    workdir = tempfile.mkdtemp(prefix="quorvane-attacked-")
    screen = e2e.Screen(workdir)
    user = screen.env.get("USER", "player")
    paths = [os.path.join(screen.env["TMPDIR"], "quorvane-%s.lock" % user),
             os.path.join(screen.env["XDG_RUNTIME_DIR"], APP_ID + ".lock")]
    holder = None

    def clear():
        for path in paths:
            subprocess.run(["rm", "-rf", path], check=True)

    def hold():
        nonlocal holder
        clear()
        holder = subprocess.Popen(["flock", "-x", paths[0], "sleep", "600"])
        while subprocess.run(["flock", "-n", paths[0], "true"]).returncode == 0:
            time.sleep(0.05)

    cases = (
        ("nothing in the way", clear),
        ("a folder at the lock paths", lambda: [clear()] + [os.mkdir(p) for p in paths]),
        ("a FIFO at the lock paths", lambda: [clear()] + [os.mkfifo(p) for p in paths]),
        ("another process's flock on the earlier path", hold),
    )
    try:
        for what, prepare in cases:
            prepare()
            frames = []
            for _ in range(runs):
                process, _, frame = start_to_first_frame(screen, game)
                frames.append(frame)
                process.kill()
                process.wait()
            print("%s: start to first frame %.1f ms (median of %d, %.1f to %.1f)"
                  % (what, statistics.median(frames) * 1000, runs, min(frames) * 1000,
                     max(frames) * 1000))
        if holder is not None:
            e2e.stop_process(holder, 2)
            holder = None
        clear()
        running, _, _ = start_to_first_frame(screen, game)
        later = []
        for _ in range(runs):
            started = time.monotonic()
            code = subprocess.run([game], env=screen.env).returncode
            later.append(time.monotonic() - started)
            if code != 0:
                raise e2e.Failure("a later start ended with %d" % code)
        running.kill()
        running.wait()
        print("a later start, to its end: %.1f ms (median of %d, %.1f to %.1f)"
              % (statistics.median(later) * 1000, runs, min(later) * 1000, max(later) * 1000))
    finally:
        if holder is not None:
            e2e.stop_process(holder, 2)
        screen.close()
        shutil.rmtree(workdir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
