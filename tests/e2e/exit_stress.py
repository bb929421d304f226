#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Exit stress: a cue that is starting or playing must never hold up the exit or leak.

Usage: exit_stress.py CUE_PROBE PROGRAM [PROBE_RUNS] [GAME_RUNS]
1. CUE_PROBE plays a cue and quits after 0-50 ms, PROBE_RUNS times (200), half of them with a
   sound server of our own (a PulseAudio null sink, when PulseAudio is installed) and half with
   none, each under a hard time limit.
2. PROGRAM, the real game under Xvfb: a tile pressed, then at once the close image and Yes,
   GAME_RUNS times (20).
Any hang, non-zero exit or sanitizer report fails the run.
"""
import concurrent.futures
import os
import shutil
import subprocess
import sys
import time

from e2e import CLOSE_IMAGE, Game, check, run_checks, stop_process

PROBE_LIMIT_S = 30
SANITIZER_MARKS = ("LeakSanitizer", "AddressSanitizer", "runtime error:")


class SoundServer:
    """A PulseAudio daemon with a null sink, private to this run."""

    def __init__(self, workdir):
        self.process = None
        self.address = None
        binary = shutil.which("pulseaudio")
        if binary is None:
            return
        runtime = os.path.join(workdir, "pulse")
        os.makedirs(runtime, mode=0o700)
        socket = os.path.join(runtime, "native")
        env = dict(os.environ, HOME=runtime, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=runtime)
        self.process = subprocess.Popen(
            [binary, "--daemonize=no", "-n", "--exit-idle-time=-1", "--disable-shm", "--use-pid-file=no",
             "-L", "module-null-sink", "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % socket],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while time.time() < deadline and self.process.poll() is None:
            if os.path.exists(socket):
                self.address = "unix:" + socket
                return
            time.sleep(0.05)
        self.close()

    def close(self):
        if self.process:
            stop_process(self.process, 5)


def sanitizer_report(text):
    return any(mark in text for mark in SANITIZER_MARKS)


def run_probe(probe, sound_dir, delay_ms, prepare, env):
    args = [probe, sound_dir, str(delay_ms)] + (["prepare"] if prepare else [])
    try:
        result = subprocess.run(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                timeout=PROBE_LIMIT_S)
    except subprocess.TimeoutExpired:
        return "hang", ""
    errors = result.stderr.decode(errors="replace")
    if sanitizer_report(errors):
        return "report", errors
    if result.returncode != 0:
        return "exit %d" % result.returncode, errors
    return "ok", ""


def stress_probe(probe, runs, server, workdir):
    sound_dir = "-"  # the cues where the game finds its own
    with_server = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=workdir,
                       PULSE_SERVER=server.address or "unix:/nonexistent")
    without = dict(with_server, PULSE_SERVER="unix:" + os.path.join(workdir, "no-such-server"))
    jobs = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for i in range(runs):
            env = with_server if i % 2 == 0 else without
            jobs.append(pool.submit(run_probe, probe, sound_dir, i % 51, i % 4 < 2, env))
        outcomes = [job.result() for job in jobs]
    bad = [(i, what, text) for i, (what, text) in enumerate(outcomes) if what != "ok"]
    for i, what, text in bad[:3]:
        sys.stderr.write("run %d: %s\n%s\n" % (i, what, text[-3000:]))
    hangs = sum(1 for _, what, _ in bad if what == "hang")
    reports = sum(1 for _, what, _ in bad if what == "report")
    print("# cue probe: %d runs, %d hangs, %d sanitizer reports, %d other failures"
          % (runs, hangs, reports, len(bad) - hangs - reports))
    check(not bad, "a cue playing at exit never hangs, fails or leaks (%d runs)" % runs)


def stress_game(screen, games, program, runs, server):
    if server.address:
        screen.env["PULSE_SERVER"] = server.address
    slowest = 0.0
    for i in range(runs):
        game = Game(screen, program)
        games.append(game)
        game.process = subprocess.Popen([program], env=screen.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        game.window = screen.wait_window()
        x, y, _, _ = screen.geometry(game.window)
        game.origin = (x, y)
        time.sleep(0.2)
        game.click_cell(2 + i % 10, 2 + i % 14)  # a press plays a cue
        screen.click(*game.at(*CLOSE_IMAGE))
        deadline = time.time() + 10
        while time.time() < deadline and not screen.windows("^Quorvane$"):
            time.sleep(0.02)
        closed_at = time.time()
        screen.key("alt+y")
        code = game.wait_exit(timeout=PROBE_LIMIT_S)
        slowest = max(slowest, time.time() - closed_at)
        errors = game.process.stderr.read().decode(errors="replace") if code is not None else ""
        if code != 0 or sanitizer_report(errors):
            sys.stderr.write(errors[-3000:])
        check(code == 0 and not sanitizer_report(errors),
              "run %d: press, close and Yes end the game cleanly (exit %s)" % (i + 1, code))
    print("# game: %d runs, slowest exit after Yes %.2f s" % (runs, slowest))


def main():
    probe, program = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    probe_runs = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    game_runs = int(sys.argv[4]) if len(sys.argv) > 4 else 20

    def checks(screen, games):
        folder = screen.env["TMPDIR"]
        server = SoundServer(folder)
        print("# sound server: %s" % (server.address or "none"))
        try:
            stress_probe(probe, probe_runs, server, folder)
            stress_game(screen, games, program, game_runs, server)
        finally:
            server.close()

    return run_checks("quorvane-exit-", checks)


if __name__ == "__main__":
    sys.exit(main())
