#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""How long the game takes to start and to end with a huge settings file.

Usage: settings_close.py GAME [MEGABYTES] [RUNS]
Writes a settings file of about MEGABYTES (default 60) of other sections and keys with the window's
position at its end, starts the game headless RUNS times (default 5), and prints for each run the
time from start to the first frame and from SIGTERM to the end, then what is left in the folder.
The game must save its position each time, and leave nothing beside the file.
"""
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def main():
    game = os.path.realpath(sys.argv[1])
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    workdir = tempfile.mkdtemp(prefix="quorvane-settings-")
    try:
        folder = os.path.join(workdir, "config", "Quorvane")
        os.makedirs(folder)
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700)
        settings = os.path.join(folder, "Quorvane.ini")
        with open(settings, "w") as f:
            f.write("[Junk]\n")
            for i in range(megabytes * 10000):
                f.write("k%07d=%s\n" % (i, "x" * 88))
            f.write("[SetLog]\nfrmMainX=1500\nfrmMainY=1500\n")
        print("settings file: %.1f MB" % (os.path.getsize(settings) / 1e6))
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=workdir,
                   XDG_CONFIG_HOME=os.path.join(workdir, "config"), XDG_RUNTIME_DIR=runtime,
                   QUORVANE_TRACE_STARTUP="1")
        env.pop("DISPLAY", None)
        for _ in range(runs):
            started = time.time()
            game_process = subprocess.Popen([game], env=env, stdout=subprocess.PIPE,
                                            stderr=subprocess.DEVNULL)
            seen = b""
            while b"first frame" not in seen:
                ready, _, _ = select.select([game_process.stdout], [], [], 10)
                chunk = os.read(game_process.stdout.fileno(), 4096) if ready else b""
                if not chunk:
                    break
                seen += chunk
            shown = time.time()
            time.sleep(0.5)
            sent = time.time()
            game_process.send_signal(signal.SIGTERM)
            code = game_process.wait(30)
            print("start to first frame %.3f s, SIGTERM to the end %.3f s, exit %d"
                  % (shown - started, time.time() - sent, code))
        print("left in the folder: %s; the file now ends %r"
              % (sorted(os.listdir(folder)), open(settings, "rb").read()[-40:]))
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
