#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A logout (SIGHUP, SIGTERM) or Ctrl+C (SIGINT) ends the game as its close box does when answered
Yes: the window's position is saved and the program ends cleanly, without asking.

Usage: signals.py PROGRAM
The real program runs headless, each signal against a start of its own with private settings and
temporary folders. Each check prints one line; the script exits non-zero on the first failure.
"""
import contextlib
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from e2e import Failure, check


def environment(workdir):
    """Headless, with a home, settings and temporary folders of its own under workdir."""
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env["QT_QPA_PLATFORM"] = "offscreen"
    env["QUORVANE_TRACE_STARTUP"] = "1"
    for key, name in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"),
                      ("XDG_RUNTIME_DIR", "runtime"), ("TMPDIR", "tmp")):
        env[key] = os.path.join(workdir, name)
        os.makedirs(env[key], mode=0o700, exist_ok=True)
    return env


@contextlib.contextmanager
def private_start():
    """A folder for one start; after it, the games in the list are killed and the folder goes."""
    workdir = tempfile.mkdtemp(prefix="quorvane-signals-")
    games = []
    try:
        yield workdir, games
    finally:
        for process in games:
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(workdir, ignore_errors=True)


# The whole line the game prints once its first frame is painted: "first frame at N ns".
FIRST_FRAME = re.compile(rb"^first frame\b.*\n", re.MULTILINE)


def start(program, workdir, games):
    process = subprocess.Popen([program], env=environment(workdir), stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    games.append(process)
    # Up once the first frame has been painted.
    deadline = time.time() + 30
    seen = b""
    while time.time() < deadline and not FIRST_FRAME.search(seen):
        ready, _, _ = select.select([process.stdout], [], [], 0.2)
        if ready:
            chunk = os.read(process.stdout.fileno(), 4096)
            if not chunk:
                break
            seen += chunk
    if not FIRST_FRAME.search(seen):
        raise Failure("the game did not come up (exit %s)" % process.poll())
    return process


def end_by_signal(process, number, timeout, what):
    """Sends the signal; the exit code, or None if the game still runs after timeout seconds."""
    sent = time.time()
    process.send_signal(number)
    try:
        code = process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        code = None
    print("# %s: ended after %.2f s" % (what, time.time() - sent))
    return code


def signal_ends_cleanly(program, number):
    name = signal.Signals(number).name
    with private_start() as (workdir, games):
        code = end_by_signal(start(program, workdir, games), number, 10, name)
        check(code == 0, "%s ends the game cleanly (exit %s)" % (name, code))
        settings = os.path.join(workdir, "config", "Quorvane", "Quorvane.ini")
        text = open(settings, encoding="utf-8").read() if os.path.exists(settings) else ""
        check(re.search(r"^\[SetLog\]\nfrmMainX=\d+\nfrmMainY=\d+$", text, re.M) is not None,
              "%s saves the window's position (%r)" % (name, text))


def odd_settings_paths_are_passed_by(program):
    # A pipe, a socket or a device where the settings file belongs is not the game's to read or
    # write: the game comes up as usual, ends quickly and cleanly, and leaves the thing as it was.
    makers = {
        "pipe": lambda path: os.mkfifo(path),
        "socket": lambda path: bind_socket(path),
        "device": lambda path: os.symlink("/dev/zero", path),
    }
    for what, make in makers.items():
        with private_start() as (workdir, games):
            folder = os.path.join(workdir, "config", "Quorvane")
            os.makedirs(folder)
            path = os.path.join(folder, "Quorvane.ini")
            keep = make(path)
            before = os.stat(path)
            sent = time.time()
            code = end_by_signal(start(program, workdir, games), signal.SIGTERM, 10, what)
            took = time.time() - sent
            check(code == 0,
                  "a %s at the settings path: the game comes up and ends cleanly (exit %s, %.2f s)"
                  % (what, code, took))
            after = os.stat(path)
            check((after.st_ino, after.st_mode) == (before.st_ino, before.st_mode) and
                  sorted(os.listdir(folder)) == ["Quorvane.ini"],
                  "the %s is left as it was, with nothing beside it (%s)"
                  % (what, sorted(os.listdir(folder))))
            del keep


def bind_socket(path):
    import socket
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(path)
    listener.listen(1)
    return listener


def main():
    program = os.path.abspath(sys.argv[1])
    try:
        for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
            signal_ends_cleanly(program, number)
        odd_settings_paths_are_passed_by(program)
    except Failure as failure:
        print("FAIL -", failure, flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
