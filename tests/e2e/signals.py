#!/usr/bin/env python3
"""A logout (SIGHUP, SIGTERM) or Ctrl+C (SIGINT) ends the game as its close box does when answered
Yes: the window's position is saved and the program ends cleanly, without asking.

Usage: signals.py PROGRAM
The real program runs headless, each signal against a start of its own with private settings and
temporary folders. Each check prints one line; the script exits non-zero on the first failure.
"""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok -", what, flush=True)


def environment(workdir):
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env["QT_QPA_PLATFORM"] = "offscreen"
    env["QUORVANE_TRACE_STARTUP"] = "1"
    for key, name in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"),
                      ("XDG_RUNTIME_DIR", "runtime"), ("TMPDIR", "tmp")):
        env[key] = os.path.join(workdir, name)
        os.makedirs(env[key], mode=0o700, exist_ok=True)
    return env


def start(program, workdir):
    process = subprocess.Popen([program], env=environment(workdir), stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    # Up once the first frame has been painted.
    deadline = time.time() + 30
    seen = b""
    while time.time() < deadline and b"first frame\n" not in seen:
        ready, _, _ = select.select([process.stdout], [], [], 0.2)
        if ready:
            chunk = os.read(process.stdout.fileno(), 4096)
            if not chunk:
                break
            seen += chunk
    if b"first frame\n" not in seen:
        process.kill()
        process.wait()
        raise Failure("the game did not come up (exit %s)" % process.poll())
    return process


def main():
    program = os.path.abspath(sys.argv[1])
    for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        name = signal.Signals(number).name
        workdir = tempfile.mkdtemp(prefix="quorvane-signals-")
        process = None
        try:
            process = start(program, workdir)
            sent = time.time()
            process.send_signal(number)
            try:
                code = process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                code = None
            print("# %s: ended after %.2f s" % (name, time.time() - sent))
            check(code == 0, "%s ends the game cleanly (exit %s)" % (name, code))
            settings = os.path.join(workdir, "config", "Quorvane", "Quorvane.ini")
            text = open(settings, encoding="utf-8").read() if os.path.exists(settings) else ""
            check(re.search(r"^\[SetLog\]\nfrmMainX=\d+\nfrmMainY=\d+$", text, re.M) is not None,
                  "%s saves the window's position (%r)" % (name, text))
        except Failure as failure:
            print("FAIL -", failure, flush=True)
            return 1
        finally:
            if process and process.poll() is None:
                process.kill()
                process.wait()
            shutil.rmtree(workdir, ignore_errors=True)

    # Stuck where its event loop cannot run, the game must still end on SIGTERM: by the signal, a
    # few seconds later. A settings file that is a pipe nobody writes to is one such place, as
    # reading it never returns; should the start learn to pass it by, a clean end is as good.
    workdir = tempfile.mkdtemp(prefix="quorvane-signals-")
    process = None
    try:
        env = environment(workdir)
        os.makedirs(os.path.join(workdir, "config", "Quorvane"))
        os.mkfifo(os.path.join(workdir, "config", "Quorvane", "Quorvane.ini"))
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        sent = time.time()
        process.send_signal(signal.SIGTERM)
        try:
            code = process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            code = None
        print("# stuck: ended after %.2f s" % (time.time() - sent))
        check(code in (0, -signal.SIGTERM), "a stuck game still ends on SIGTERM (exit %s)" % code)
    except Failure as failure:
        print("FAIL -", failure, flush=True)
        return 1
    finally:
        if process and process.poll() is None:
            process.kill()
            process.wait()
        shutil.rmtree(workdir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
