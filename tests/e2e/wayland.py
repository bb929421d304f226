#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The game as a native Wayland client of weston.

First, under weston's headless backend (pixman renderer; screenshots with weston-screenshooter,
which needs weston's --debug): the window shows at 759 x 569 and its four corners show the
desktop behind it. That backend has no input device, and Debian's weston ships no module of
weston's test protocol that could inject one, so then the game runs in weston's X11 backend
nested in Xvfb, where xdotool's pointer and keys reach weston as a real seat: a pair is clicked
away, the title band drags the window (the compositor's move), the minimise image hides the
window, and the close image with Yes ends the program. The remembered position is left as it was
(a Wayland program cannot place its window), none is written on a first start, and the game
prints nothing.

Usage: wayland.py PROGRAM
Each check prints one line; exits non-zero on the first failure, 77 when weston is not installed.
"""
import os
import shutil
import signal
import subprocess
import sys
import time

from e2e import (BOARD_ORIGIN, LINK_RGB, WINDOW_SIZE, Failure, Game, Picture, Screen, check,
                 find_linkable_pair, in_workdir, stop_process)

SKIPPED = 77
DESKTOP_ENTRY = "io.github.quorvane.Quorvane"  # packaging/<it>.desktop
PANEL = 40  # weston's desktop panel along the top edge; its clock changes, so it is not compared
TITLE_BAND = (300, 12)
MINIMISE_IMAGE = (717 + 8, 5 + 8)
CLOSE_IMAGE = (738 + 8, 5 + 8)
REMEMBERED = (1500, 1200)  # twips


def private_dirs(workdir, name):
    env = {}
    for key in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR"):
        env[key] = os.path.join(workdir, name, key.lower())
        os.makedirs(env[key], mode=0o700, exist_ok=True)
    return env


def remember_position(env):
    folder = os.path.join(env["XDG_CONFIG_HOME"], "Quorvane")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Quorvane.ini"), "w") as f:
        f.write("[SetLog]\nfrmMainX=%d\nfrmMainY=%d\n" % REMEMBERED)


def remembered_position(env):
    values = {}
    with open(os.path.join(env["XDG_CONFIG_HOME"], "Quorvane", "Quorvane.ini")) as f:
        for line in f:
            if "=" in line:
                key, value = line.strip().split("=", 1)
                values[key] = value
    return int(values.get("frmMainX", -1)), int(values.get("frmMainY", -1))


class Weston:
    """A weston of our own with a socket of our own."""

    def __init__(self, workdir, name, backend_args, base_env):
        self.env = dict(base_env)
        self.env.update(private_dirs(workdir, name))
        self.socket = "quorvane-%s-%d" % (name, os.getpid())
        self.log = open(os.path.join(workdir, name + "-weston.log"), "w")
        self.process = subprocess.Popen(
            ["weston", "--socket=" + self.socket, "--no-config", "--debug"] + backend_args,
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        path = os.path.join(self.env["XDG_RUNTIME_DIR"], self.socket)
        deadline = time.time() + 20
        while time.time() < deadline and not os.path.exists(path):
            if self.process.poll() is not None:
                raise Failure("weston ended at start (exit %s)" % self.process.returncode)
            time.sleep(0.1)
        if not os.path.exists(path):
            raise Failure("weston did not open its socket")

    def client_env(self):
        env = dict(self.env)
        env.pop("DISPLAY", None)
        env["WAYLAND_DISPLAY"] = self.socket
        env["QT_QPA_PLATFORM"] = "wayland"
        if "ASAN_OPTIONS" in env:
            # Under the sanitizers: full stacks, so that leaks of the EGL driver are told apart
            # (tests/lsan.supp), and no list of the suppressions used in what the game prints.
            env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
            env["LSAN_OPTIONS"] = env.get("LSAN_OPTIONS", "") + ":print_suppressions=0"
        return env

    def close(self):
        stop_process(self.process, 10)
        self.log.close()


def to_picture(png):
    return Picture(subprocess.run(["convert", png, "-depth", "8", "ppm:-"], stdout=subprocess.PIPE,
                                  check=True).stdout)


def changed_box(before, after, top=PANEL, ignore=()):
    """The bounding box (x, y, w, h) of the pixels that differ between two screenshots, leaving out
    the rows above `top` and the rectangles `ignore`."""
    left, right, first, last = after.width, -1, None, None
    stride = 3 * after.width
    for y in range(top, after.height):
        a = before.pixels[y * stride:(y + 1) * stride]
        b = after.pixels[y * stride:(y + 1) * stride]
        for rect in ignore:
            if rect[1] <= y < rect[1] + rect[3]:
                x0, x1 = max(rect[0], 0), min(rect[0] + rect[2], after.width)
                b = b[:3 * x0] + a[3 * x0:3 * x1] + b[3 * x1:]
        if a == b:
            continue
        first = y if first is None else first
        last = y
        x = 0
        while a[3 * x:3 * x + 3] == b[3 * x:3 * x + 3]:
            x += 1
        left = min(left, x)
        x = after.width - 1
        while a[3 * x:3 * x + 3] == b[3 * x:3 * x + 3]:
            x -= 1
        right = max(right, x)
    if first is None:
        return None
    return left, first, right - left + 1, last - first + 1


def wait_for(take, condition, what, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        shot = take()
        result = condition(shot)
        if result:
            return shot, result
        time.sleep(0.3)
    raise Failure(what)


def start_game(program, env):
    return subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def end_quietly(process, what):
    """Waits for the game's end and checks it printed nothing."""
    try:
        out, err = process.communicate(timeout=15)
    except subprocess.TimeoutExpired:
        process.kill()
        out, err = process.communicate()
        raise Failure("%s: the game did not end" % what)
    check(process.returncode == 0, "%s: the game ends cleanly (exit %s)" % (what, process.returncode))
    printed = (out + err).decode(errors="replace")
    check(printed == "", "%s: the game printed nothing (%r)" % (what, printed[:300]))


def window_corners_show_desktop(desktop, shot, box):
    x, y, w, h = box
    for cx, cy in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
        if shot.pixel(cx, cy) != desktop.pixel(cx, cy):
            return False
    return True


def headless(workdir, program):
    weston = Weston(workdir, "headless", ["--backend=headless-backend.so", "--use-pixman",
                                          "--width=1280", "--height=1024"], os.environ)
    shots = os.path.join(workdir, "shots")
    os.makedirs(shots, exist_ok=True)
    client = weston.client_env()
    client.pop("QT_QPA_PLATFORM")
    game = None

    def take():
        for name in os.listdir(shots):
            os.remove(os.path.join(shots, name))
        subprocess.run(["weston-screenshooter"], cwd=shots, env=client, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=20)
        names = [n for n in os.listdir(shots) if n.endswith(".png")]
        return to_picture(os.path.join(shots, names[0])) if names else None

    try:
        # The desktop alone, once the shell has drawn it and it holds still.
        previous = [None]

        def steady(shot):
            same = shot is not None and previous[0] is not None and changed_box(previous[0], shot) is None
            previous[0] = shot
            return same and shot.pixel(shot.width // 2, shot.height // 2) != (0, 0, 0)

        desktop, _ = wait_for(take, steady, "weston's desktop was never drawn")
        # A first start: nothing remembered, and nothing to remember on Wayland.
        env = weston.client_env()
        game = start_game(program, env)

        def painted(shot):
            box = shot and changed_box(desktop, shot)
            # Shown and painted: the frame's title band and the board's first tile.
            return box if box and shot.pixel(box[0] + 20, box[1] + 20) != desktop.pixel(box[0] + 20, box[1] + 20) \
                and shot.pixel(box[0] + BOARD_ORIGIN[0] + 60, box[1] + BOARD_ORIGIN[1] + 60) != desktop.pixel(
                    box[0] + BOARD_ORIGIN[0] + 60, box[1] + BOARD_ORIGIN[1] + 60) else None

        time.sleep(1.0)
        shot, box = wait_for(take, painted, "the game window did not show on weston")
        time.sleep(0.5)
        shot = take()
        box = changed_box(desktop, shot)
        check(box[2:] == WINDOW_SIZE, "on weston (headless) the window is 759 x 569 (got %d x %d at %d, %d)"
              % (box[2], box[3], box[0], box[1]))
        check(window_corners_show_desktop(desktop, shot, box),
              "all four corners of the window show the desktop behind it")
        x, y = box[0], box[1]
        check(shot.pixel(x + 20, y + 20) != desktop.pixel(x + 20, y + 20) and
              shot.pixel(x + 759 - 30, y + 569 - 30) != desktop.pixel(x + 759 - 30, y + 569 - 30),
              "the frame is painted inside the outline")
        game.send_signal(signal.SIGTERM)
        end_quietly(game, "a logout on weston")
        settings = os.path.join(env["XDG_CONFIG_HOME"], "Quorvane", "Quorvane.ini")
        check(not os.path.exists(settings),
              "a position the game never knew is not written (%s)"
              % (open(settings).read() if os.path.exists(settings) else "no file"))
        check_app_id(workdir, program, weston.client_env())
    finally:
        if game is not None and game.poll() is None:
            game.kill()
            game.wait()
        weston.close()


def check_app_id(workdir, program, env):
    """The compositor finds the game's icon and name through the window's app_id: it must be the
    name of the desktop entry the package installs, seen in what the client sends."""
    log_path = os.path.join(workdir, "wayland-requests.log")
    with open(log_path, "w") as log:
        game = subprocess.Popen([program], env=dict(env, WAYLAND_DEBUG="client"),
                                stdout=subprocess.DEVNULL, stderr=log)
    sent = []
    try:
        deadline = time.time() + 20
        while time.time() < deadline and not sent and game.poll() is None:
            time.sleep(0.2)
            with open(log_path, errors="replace") as log:
                sent = [line for line in log if ".set_app_id(" in line]
    finally:
        game.send_signal(signal.SIGTERM)
        stop_process(game, 15)
    check(bool(sent) and '("%s")' % DESKTOP_ENTRY in sent[0],
          "the window's app_id is the desktop entry's name %s (%s)"
          % (DESKTOP_ENTRY, sent[0].strip() if sent else "none sent"))


class Pointer:
    """The pointer in nested weston. Weston draws it into its output, so where it is is left out
    when the output is compared with the bare desktop."""

    def __init__(self, screen):
        self.screen = screen
        self.where = None

    def move(self, x, y):
        self.screen.run(["xdotool", "mousemove", str(x), str(y)])
        self.where = (x, y)

    def click(self, x, y):
        self.move(x, y)
        self.screen.run(["xdotool", "click", "1"])

    def sprite(self):
        return (self.where[0] - 8, self.where[1] - 8, 40, 48) if self.where else None


def nested(workdir, program):
    screen = Screen(os.path.join(workdir, "x"), (1280, 1024))
    weston = None
    games = []
    try:
        weston = Weston(workdir, "nested", ["--backend=x11-backend.so", "--use-pixman", "--width=1200",
                                            "--height=900"], screen.env)
        pointer = Pointer(screen)
        # Weston's X11 backend follows the X pointer by its relative moves from where it entered
        # weston's window; one started under the pointer never saw it enter. Leave and come back.
        pointer.move(1270, 1010)
        time.sleep(0.3)
        pointer.move(600, 450)
        time.sleep(0.3)

        previous = [None]

        def steady(shot):
            same = previous[0] is not None and changed_box(previous[0], shot) is None
            previous[0] = shot
            return same and shot.pixel(600, 300) != (0, 0, 0)

        desktop, _ = wait_for(screen.shot, steady, "weston's desktop was never drawn")
        desktop_sprite = pointer.sprite()

        def window_box(shot):
            return changed_box(desktop, shot, ignore=(desktop_sprite, pointer.sprite()))

        env = weston.client_env()
        remember_position(env)

        def show_game():
            process = start_game(program, env)
            games.append(process)

            def shown(shot):
                box = window_box(shot)
                return box if box and box[2:] == WINDOW_SIZE else None

            _, box = wait_for(screen.shot, shown, "the game window did not show in nested weston")
            time.sleep(1.0)
            game = Game(screen, program)
            game.process = process
            game.origin = box[:2]
            return game

        game = show_game()
        check(True, "in weston on X11 the window shows at 759 x 569 at %s" % (game.origin,))

        # A pair linked by two clicks.
        picture = screen.shot()
        pair = find_linkable_pair(game, picture)
        check(pair is not None, "the board has two alike tiles side by side")
        first, second = pair
        tiles = [game.cell(picture, *first), game.cell(picture, *second)]
        for n, (row, col) in enumerate((first, second)):
            pointer.click(*game.at(BOARD_ORIGIN[0] + (col - 1) * 40 + 20, BOARD_ORIGIN[1] + (row - 1) * 40 + 20))
            time.sleep(0.3 if n == 0 else 0)
        during = screen.shot()
        bx, by = game.at(*BOARD_ORIGIN)
        purple = during.count(LINK_RGB, bx, by, 640, 480)
        check(purple >= 200, "clicks reach the game through weston: the link shows (%d pixels)" % purple)
        time.sleep(1.0)
        after = screen.shot()
        check(game.cell(after, *first) != tiles[0] and game.cell(after, *second) != tiles[1],
              "the pair at %s and %s is clicked away" % (first, second))

        # The title band drags the window: the compositor moves it, towards the output's middle
        # so that it stays whole on the output.
        dx = 120 if game.origin[0] + WINDOW_SIZE[0] / 2 < 600 else -120
        dy = 80 if game.origin[1] + WINDOW_SIZE[1] / 2 < 450 else -80
        sx, sy = game.at(*TITLE_BAND)
        pointer.move(sx, sy)
        screen.run(["xdotool", "mousedown", "1"])
        for step in range(1, 11):
            pointer.move(sx + dx * step // 10, sy + dy * step // 10)
            time.sleep(0.05)
        screen.run(["xdotool", "mouseup", "1"])
        time.sleep(0.5)
        moved = window_box(screen.shot())
        check(moved == (game.origin[0] + dx, game.origin[1] + dy) + WINDOW_SIZE,
              "dragging the title band moves the window with the pointer (now %s)" % (moved,))
        game.origin = moved[:2]

        # Minimise hides it; the game goes on.
        pointer.click(*game.at(*MINIMISE_IMAGE))
        wait_for(screen.shot, lambda shot: window_box(shot) is None, "minimising did not hide the window")
        check(game.process.poll() is None, "the minimise image hides the window and the game goes on")
        game.process.send_signal(signal.SIGTERM)
        end_quietly(game.process, "a logout while minimised")

        # The close image asks; Yes ends the program.
        game = show_game()
        pointer.click(*game.at(*CLOSE_IMAGE))
        time.sleep(1.0)
        screen.key("alt+y")
        end_quietly(game.process, "the close image answered Yes")
        check(remembered_position(env) == REMEMBERED,
              "the remembered position is kept as it was (%s)" % (remembered_position(env),))
    finally:
        for process in games:
            if process.poll() is None:
                process.kill()
                process.wait()
        if weston is not None:
            weston.close()
        screen.close()


def main():
    program = os.path.abspath(sys.argv[1])
    missing = [tool for tool in ("weston", "weston-screenshooter") if shutil.which(tool) is None]
    if missing:
        print("SKIP - %s not installed (scripts/deps.sh installs weston)" % ", ".join(missing), flush=True)
        return SKIPPED

    def both(workdir):
        headless(workdir, program)
        nested(workdir, program)

    def show_logs(workdir):
        for name in sorted(os.listdir(workdir)):
            if name.endswith("weston.log"):
                with open(os.path.join(workdir, name)) as log:
                    sys.stderr.write(log.read()[-2000:])

    return in_workdir("quorvane-wayland-", both, show_logs)


if __name__ == "__main__":
    sys.exit(main())
