#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""One game per player, and a later start brings it forward.

Usage: single_instance.py PROGRAM
Under openbox a later start ends with 0 and the game comes back mapped, on top and active, from
the task bar and from behind another window. Another account's lock where earlier builds kept
theirs, or in the shared temporary folder, never keeps the game from starting. Whatever the
player's own account left at the lock's paths (a folder, links, a FIFO), or a temporary folder
that cannot be written, three starts give one game. Each check prints one line; the script exits
non-zero on the first failure.
"""
import os
import subprocess
import sys
import time

from e2e import Failure, check, run_checks, start_game, stop_process

APP_ID = "io.github.quorvane.Quorvane"
NOBODY = 65534


def running_games(screen, program):
    """The processes of `program` started with this screen's home folder."""
    marker = ("HOME=" + screen.env["HOME"]).encode()
    found = []
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            if os.readlink("/proc/%s/exe" % pid) != program:
                continue
            with open("/proc/%s/environ" % pid, "rb") as environ:
                if marker in environ.read().split(b"\0"):
                    found.append(int(pid))
        except OSError:
            continue  # ended meanwhile, or not ours to read
    return found


def later_start(screen, program):
    """Starts the program once more; its exit code (None if it did not end) and its time."""
    started = time.time()
    process = subprocess.Popen([program], env=screen.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        return process.wait(timeout=15), time.time() - started
    except subprocess.TimeoutExpired:
        stop_process(process, 2)
        return None, time.time() - started


def root_property(screen, name):
    out = screen.run(["xprop", "-root", name]).stdout.decode()
    return [int(w.strip(","), 16) for w in out.split("#", 1)[-1].split()] if "#" in out else []


def wait_for(what, condition, timeout=10):
    """Waits until condition() holds; else fails with `what` (or what() when it is a function)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return
        time.sleep(0.1)
    raise Failure(what() if callable(what) else what)


def forward_checks(program):
    def checks(screen, games):
        screen.start_window_manager()
        game = start_game(screen, games, program)
        window = int(game.window)
        others = []
        try:

            def minimise():
                screen.run(["xdotool", "windowminimize", str(window)])
                wait_for("the window did not go to the task bar", lambda: not screen.windows())

            def cover():
                other = subprocess.Popen(["xmessage", "-geometry", "1000x800+50+50", "in front"],
                                         env=screen.env, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
                others.append(other)
                wait_for("the other window did not take the keyboard",
                         lambda: root_property(screen, "_NET_ACTIVE_WINDOW")[:1] not in ([], [window]))
                screen.click(500, 400)  # the player's last click went to the other window

            for how, hide in (("minimised", minimise), ("behind another window", cover)):
                hide()
                code, took = later_start(screen, launcher(screen, program, {"XDG_ACTIVATION_TOKEN": "token-1"}))
                print("# the later start ended after %.2f s" % took)
                check(code == 0, "%s: a later start ends with 0 (exit %s)" % (how, code))
                wait_for(lambda: "%s: the game did not come forward (visible %s, stacking %s, active %s)" % (
                    how, screen.windows(), root_property(screen, "_NET_CLIENT_LIST_STACKING"),
                    root_property(screen, "_NET_ACTIVE_WINDOW")),
                    lambda: screen.windows() == [str(window)]
                    and root_property(screen, "_NET_CLIENT_LIST_STACKING")[-1:] == [window]
                    and root_property(screen, "_NET_ACTIVE_WINDOW")[:1] == [window])
                active = screen.run(["xdotool", "getactivewindow"]).stdout.decode().strip()
                check(active == str(window), "%s: the game comes back mapped, on top and active" % how)
                check(len(running_games(screen, program)) == 1, "%s: one game runs" % how)
        finally:
            for other in others:
                stop_process(other, 2)

    return run_checks("quorvane-e2e-instance-", checks)


def as_another_account(args):
    """A process of another account where there is one to be had (running as root), else ours."""
    if os.geteuid() == 0:
        return ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups"] + args
    return args


def hold_lock(path, env):
    """Another process holds a flock on `path`, made 0666 as an account of its own would; it is
    returned once the lock is held."""
    holder = subprocess.Popen(as_another_account(["sh", "-c", 'umask 0; exec flock -x "$0" sleep 600', path]),
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 10
    while time.time() < deadline:
        probe = subprocess.run(["flock", "-n", "-s", path, "true"])
        if os.path.exists(path) and probe.returncode != 0:
            return holder
        time.sleep(0.05)
    stop_process(holder, 2)
    raise Failure("the other account's lock was not taken")


def launcher(screen, program, variables):
    """A command that starts the program with these variables changed (None: unset) and the
    screen's environment otherwise: the tools looking at the screen keep theirs."""
    path = os.path.join(os.path.dirname(screen.env["HOME"]), "bin", "quorvane-with-%d" % len(variables))
    lines = ["#!/bin/sh"]
    for key, value in variables.items():
        lines.append("unset %s" % key if value is None else "export %s='%s'" % (key, value))
    lines.append('exec "%s" "$@"' % program)
    with open(path, "w") as script:
        script.write("\n".join(lines) + "\n")
    os.chmod(path, 0o755)
    return path


def one_game_of_three(screen, games, program, what, command=None):
    """Three starts through `command` (the program itself unless given)."""
    start_game(screen, games, command or program)
    ends = [later_start(screen, command or program)[0] for _ in range(2)]
    time.sleep(0.5)
    check(ends == [0, 0] and len(screen.windows()) == 1 and len(running_games(screen, program)) == 1,
          "%s: three starts give one game (later exits %s, windows %d)" % (what, ends, len(screen.windows())))
    for game in games:
        game.kill()
    del games[:]


def lock_paths(screen):
    """Where earlier builds kept the lock, and where the game keeps it now."""
    user = screen.env.get("USER", "player")
    return [os.path.join(screen.env["TMPDIR"], "quorvane-%s.lock" % user),
            os.path.join(screen.env["XDG_RUNTIME_DIR"], APP_ID + ".lock")]


def another_account_checks(program):
    def checks(screen, games):
        # A temporary folder all accounts share, as they share /tmp.
        tmp = screen.env["TMPDIR"]
        os.chmod(os.path.dirname(tmp), 0o711)
        os.chmod(tmp, 0o1777)
        holder = hold_lock(lock_paths(screen)[0], screen.env)
        try:
            start_game(screen, games, program)
            check(len(screen.windows()) == 1, "another account's held lock at the old path keeps no game out")
            for game in games:
                game.kill()
            del games[:]
            # The other account made the game's own folder in the temporary folder first and
            # holds a lock in it; the session names no runtime folder.
            squat = os.path.join(tmp, "%s-%d" % (APP_ID, os.geteuid()))
            subprocess.run(as_another_account(["sh", "-c", 'umask 0; mkdir -m 0777 "$0"', squat]), check=True)
            squatter = hold_lock(os.path.join(squat, APP_ID + ".lock"), screen.env)
            try:
                one_game_of_three(screen, games, program, "another account's folder in the temporary folder",
                                  launcher(screen, program, {"XDG_RUNTIME_DIR": None}))
            finally:
                stop_process(squatter, 2)
        finally:
            stop_process(holder, 2)
            subprocess.run(["rm", "-rf", tmp])  # the other account's files, before the folder goes

    return run_checks("quorvane-e2e-accounts-", checks)


def own_leftover_checks(program):
    def checks(screen, games):
        # What the player's own account left at both lock paths.
        target = os.path.join(screen.env["HOME"], "notes.txt")
        with open(target, "w") as notes:
            notes.write("the player's own\n")
        obstacles = (
            ("a folder", lambda path: os.mkdir(path)),
            ("a link to a file", lambda path: os.symlink(target, path)),
            ("a FIFO", lambda path: os.mkfifo(path)),
            ("a link to nothing", lambda path: os.symlink(path + ".gone", path)),
        )
        for what, leave in obstacles:
            for path in lock_paths(screen):
                subprocess.run(["rm", "-rf", path], check=True)  # what a killed game left
                leave(path)
            one_game_of_three(screen, games, program, what + " at the lock's path")
        with open(target) as notes:
            check(notes.read() == "the player's own\n", "a link's target is never written")

        # A temporary folder no one can write, and no runtime folder named.
        readonly = "/proc"
        if os.geteuid() != 0:
            readonly = os.path.join(os.path.dirname(screen.env["TMPDIR"]), "readonly")
            os.mkdir(readonly, 0o500)
        one_game_of_three(screen, games, program, "a temporary folder that cannot be written",
                          launcher(screen, program, {"TMPDIR": readonly, "XDG_RUNTIME_DIR": None}))

    return run_checks("quorvane-e2e-leftovers-", checks)


def main():
    program = os.path.realpath(sys.argv[1])
    failed = [checks(program) for checks in (forward_checks, another_account_checks, own_leftover_checks)]
    return 1 if any(failed) else 0


if __name__ == "__main__":
    sys.exit(main())
