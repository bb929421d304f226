#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end tests: the real program under Xvfb, driven by xdotool, checked on screenshots.

Usage: e2e.py PROGRAM [--keep DIR]
       e2e.py PROGRAM --window-manager
The second form runs the window checks under a window manager (openbox) on the same kind of
display. Each check prints one line; the script exits non-zero on the first failure.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

LINK_RGB = (116, 58, 249)
WINDOW_SIZE = (759, 569)
SCREEN = (1280, 1024)
BOARD_ORIGIN = (4 + 8, 32 + 24)  # Picture2 in the window, Picture1 in Picture2
PAUSE_BUTTON = (664 + 40, 176 + 16)
CLOSE_IMAGE = (738 + 8, 5 + 8)
NOTICE = (WINDOW_SIZE[0] - 8 - 6, WINDOW_SIZE[1] - 5 - 6)  # inside its bottom-right corner
TITLE = (300, 12)
PRODUCT_PAGE = "https://www.example.com/quorvane/"


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok -", what, flush=True)


class Screen:
    """An X server of our own and the helpers to look at it."""

    def __init__(self, workdir, size=SCREEN):
        # A display of our own, away from the low numbers other servers tend to take.
        self.size = size
        self.server = None
        for _ in range(20):
            number = random.randint(200, 999)
            if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
                continue
            server = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0", "%dx%dx24" % size, "-nolisten", "tcp", "-br", "-noreset"],
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
            )
            deadline = time.time() + 10
            while time.time() < deadline and server.poll() is None:
                if os.path.exists("/tmp/.X11-unix/X%d" % number):
                    break
                time.sleep(0.05)
            if server.poll() is None:
                self.server = server
                self.display = ":%d" % number
                break
        if self.server is None:
            raise Failure("Xvfb did not start")
        self.env = dict(os.environ)
        self.env["DISPLAY"] = self.display
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env["HOME"] = os.path.join(workdir, "home")
        self.env["XDG_CONFIG_HOME"] = os.path.join(workdir, "config")
        self.env["XDG_RUNTIME_DIR"] = os.path.join(workdir, "runtime")
        self.env["TMPDIR"] = os.path.join(workdir, "tmp")
        for key in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR"):
            os.makedirs(self.env[key], mode=0o700, exist_ok=True)
        # The desktop opens pages and files through xdg-open: ours only writes down what it got.
        self.opened_log = os.path.join(workdir, "opened.txt")
        tools = os.path.join(workdir, "bin")
        os.makedirs(tools, exist_ok=True)
        opener = os.path.join(tools, "xdg-open")
        with open(opener, "w") as script:
            script.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % self.opened_log)
        os.chmod(opener, 0o755)
        self.env["PATH"] = tools + os.pathsep + self.env.get("PATH", "/usr/bin:/bin")
        deadline = time.time() + 20
        while time.time() < deadline:
            if self.run(["xdpyinfo"], check_ok=False).returncode == 0:
                return
            time.sleep(0.1)
        raise Failure("Xvfb did not start")

    def run(self, args, check_ok=True, timeout=30):
        result = subprocess.run(
            args, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout
        )
        if check_ok and result.returncode != 0:
            raise Failure("%s failed: %s" % (" ".join(args), result.stderr.decode(errors="replace")))
        return result

    def close(self):
        manager = getattr(self, "window_manager", None)
        if manager is not None:
            stop_process(manager, 5)
        stop_process(self.server, 5)

    def windows(self, name="^Quorvane "):
        result = self.run(["xdotool", "search", "--onlyvisible", "--name", name], check_ok=False)
        return [w for w in result.stdout.decode().split()]

    def wait_window(self, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.windows()
            if found:
                return found[0]
            time.sleep(0.1)
        raise Failure("the game window did not appear")

    def geometry(self, window):
        out = self.run(["xdotool", "getwindowgeometry", "--shell", window]).stdout.decode()
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def shot(self, save_as=None):
        data = self.run(["import", "-window", "root", "-depth", "8", "ppm:-"]).stdout
        if save_as:
            self.run(["import", "-window", "root", save_as])
        return Picture(data)

    def click(self, x, y, button=1):
        self.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)])

    def key(self, *keys):
        self.run(["xdotool", "key"] + list(keys))

    def move_pointer(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y)])

    def opened(self, count, timeout=5):
        """The first `count` addresses the desktop was asked to open, once there are that many."""
        deadline = time.time() + timeout
        lines = []
        while time.time() < deadline:
            if os.path.exists(self.opened_log):
                with open(self.opened_log) as log:
                    lines = log.read().splitlines()
                if len(lines) >= count:
                    break
            time.sleep(0.1)
        return lines

    def start_window_manager(self):
        """Starts openbox on the display and waits until it has taken the screen."""
        self.window_manager = subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        deadline = time.time() + 20
        while time.time() < deadline:
            out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check_ok=False).stdout.decode()
            if "window id" in out:
                time.sleep(0.3)
                return
            time.sleep(0.1)
        raise Failure("the window manager did not start")


class Picture:
    """A P6 screenshot."""

    def __init__(self, data):
        parts = []
        pos = 0
        while len(parts) < 4:
            while data[pos : pos + 1].isspace():
                pos += 1
            if data[pos : pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end : end + 1].isspace():
                end += 1
            parts.append(data[pos:end])
            pos = end
        pos += 1
        self.width, self.height = int(parts[1]), int(parts[2])
        if int(parts[3]) != 255:
            raise Failure("screenshots must have 8 bits per channel")
        self.pixels = data[pos:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i : i + 3])

    def crop(self, x, y, w, h):
        return b"".join(
            self.pixels[3 * ((y + row) * self.width + x) : 3 * ((y + row) * self.width + x + w)]
            for row in range(h)
        )

    def count(self, rgb, x, y, w, h):
        return sum(1 for yy in range(y, y + h) for xx in range(x, x + w) if self.pixel(xx, yy) == rgb)


class Game:
    """The game on a screen scaled by `scale` (QT_SCALE_FACTOR): positions are given in the window's
    logical pixels and turned into the screen's device pixels here."""

    def __init__(self, screen, program, scale=1):
        self.screen = screen
        self.program = program
        self.scale = scale
        self.process = None
        self.window = None
        self.origin = (0, 0)

    def start(self):
        env = dict(self.screen.env)
        if self.scale != 1:
            env["QT_SCALE_FACTOR"] = str(self.scale)
        self.process = subprocess.Popen(
            [self.program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE
        )
        try:
            self.window = self.screen.wait_window()
        except Failure:
            code = self.process.poll()
            errors = self.process.stderr.read().decode(errors="replace") if code is not None else ""
            raise Failure("the game window did not appear (process %s)\n%s" % (code, errors[-2000:]))
        x, y, _, _ = self.screen.geometry(self.window)
        self.origin = (x, y)
        # The first frame has landed when the title band and the board's first tile show.
        deadline = time.time() + 20
        while time.time() < deadline:
            picture = self.screen.shot()
            if picture.pixel(*self.at(20, 20)) != (0, 0, 0) and picture.pixel(
                *self.at(BOARD_ORIGIN[0] + 60, BOARD_ORIGIN[1] + 60)
            ) != (0, 0, 0):
                time.sleep(0.3)
                return self
            time.sleep(0.1)
        raise Failure("the window was never painted")

    def device(self, v):
        """The first device pixel of logical pixel v, rounded as Qt rounds a scaled position."""
        return int(v * self.scale + 0.5)

    def at(self, x, y):
        return self.origin[0] + self.device(x), self.origin[1] + self.device(y)

    def rect(self, x, y, w, h):
        """The device pixels of a logical rectangle of the window, on the screen."""
        left, top = self.at(x, y)
        right, bottom = self.at(x + w, y + h)
        return left, top, right - left, bottom - top

    def cell_rect(self, row, col):
        # inside the grid lines
        return self.rect(BOARD_ORIGIN[0] + (col - 1) * 40 + 2, BOARD_ORIGIN[1] + (row - 1) * 40 + 2, 36, 36)

    def cell(self, picture, row, col):
        return picture.crop(*self.cell_rect(row, col))

    def click_cell(self, row, col):
        x, y = self.at(BOARD_ORIGIN[0] + (col - 1) * 40 + 20, BOARD_ORIGIN[1] + (row - 1) * 40 + 20)
        self.screen.click(x, y)

    def wait_exit(self, timeout=10):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def find_linkable_pair(game, picture):
    """Two side-by-side tiles that look alike and differ from the tile in cell (2, 2), which the
    first press of a run pairs with."""
    first = game.cell(picture, 2, 2)
    for row in range(2, 12):
        for col in range(2, 15):
            a = game.cell(picture, row, col)
            if a == game.cell(picture, row, col + 1) and a != first:
                return (row, col), (row, col + 1)
    for row in range(2, 11):
        for col in range(2, 16):
            a = game.cell(picture, row, col)
            if a == game.cell(picture, row + 1, col) and a != first:
                return (row, col), (row + 1, col)
    return None


def pointer_over_title(screen, game):
    """The pointer wanders over the title area with no button down."""
    start = game.at(*TITLE)
    for step in range(1, 8):
        screen.move_pointer(start[0] + 15 * step, start[1] + 9 * step)
        time.sleep(0.03)
    time.sleep(0.4)


def drag_title(screen, game, dx, dy, steps):
    start = game.at(*TITLE)
    screen.run(["xdotool", "mousemove", str(start[0]), str(start[1]), "mousedown", "1"])
    for step in range(1, steps + 1):
        screen.move_pointer(start[0] + dx * step // steps, start[1] + dy * step // steps)
        time.sleep(0.03)
    screen.run(["xdotool", "mouseup", "1"])
    time.sleep(0.4)


def window_manager_checks(program):
    """Under a window manager the move goes to it, and only once the pointer has really moved: a
    click quicker than the game can answer must not leave a move running after the button is up."""
    workdir = tempfile.mkdtemp(prefix="quorvane-e2e-wm-")
    screen = Screen(workdir)
    game = None
    try:
        screen.start_window_manager()
        game = Game(screen, program).start()
        start = screen.geometry(game.window)[:2]

        # The first drag after the start, before anything else touched the window: it goes with
        # the pointer, trailing it by no more than the drag distance (the window manager starts
        # from where the pointer was once it had gone that far), and stays where it is left.
        drag_title(screen, game, -100, -75, 25)
        where = screen.geometry(game.window)[:2]
        off = abs(where[0] - (start[0] - 100)) + abs(where[1] - (start[1] - 75))
        check(off <= 20, "dragging the title moves the window with the pointer (now %s, was %s)" % (where, start))
        game.origin = where
        pointer_over_title(screen, game)
        now = screen.geometry(game.window)[:2]
        check(now == where, "after the drag the window stays where it was left (%s)" % (now,))

        for attempt in range(1, 4):
            screen.click(*game.at(*TITLE))
            pointer_over_title(screen, game)
            now = screen.geometry(game.window)[:2]
            check(now == where, "click %d on the title leaves the window put (%s, was %s)" % (attempt, now, where))
        screen.click(*game.at(*NOTICE))
        pointer_over_title(screen, game)
        now = screen.geometry(game.window)[:2]
        check(now == where, "a click on the notice leaves the window put (%s)" % (now,))
    except Failure as failure:
        print("FAIL -", failure, flush=True)
        if game and game.process and game.process.poll() is not None:
            sys.stderr.write(game.process.stderr.read().decode(errors="replace"))
        return 1
    finally:
        if game:
            game.kill()
        screen.close()
        shutil.rmtree(workdir, ignore_errors=True)
    return 0


def stop_process(process, timeout):
    """Asks a process to end, and kills it if it has not within timeout seconds."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def start_game(screen, games, program):
    """Starts a game, put in games first so that it is killed even if it never shows."""
    game = Game(screen, program)
    games.append(game)
    return game.start()


def in_workdir(prefix, work, on_failure=None):
    """Runs work(workdir) in a folder of its own. On a Failure prints it, calls
    on_failure(workdir) if given and returns 1, else 0. The folder is gone whatever happened."""
    workdir = tempfile.mkdtemp(prefix=prefix)
    try:
        work(workdir)
    except Failure as failure:
        print("FAIL -", failure, flush=True)
        if on_failure is not None:
            on_failure(workdir)
        return 1
    finally:
        shutil.rmtree(workdir, ignore_errors=True)
    return 0


def run_checks(prefix, checks):
    """Runs checks(screen, games) on an X server of its own, in a folder of its own. Prints the
    first failed check and returns 1, else 0. Every game put in games is killed, and the server and
    the folder are gone, whatever happened."""

    def work(workdir):
        games = []
        screen = None
        try:
            screen = Screen(workdir)
            checks(screen, games)
        except Failure:
            for g in games:
                if g.process and g.process.stderr and g.process.poll() is not None:
                    sys.stderr.write(g.process.stderr.read().decode(errors="replace"))
            raise
        finally:
            for g in games:
                g.kill()
            if screen is not None:
                screen.close()

    return in_workdir(prefix, work)


def main():
    if len(sys.argv) > 2 and sys.argv[2] == "--window-manager":
        return window_manager_checks(os.path.abspath(sys.argv[1]))
    program = os.path.abspath(sys.argv[1])
    keep = sys.argv[3] if len(sys.argv) > 3 and sys.argv[2] == "--keep" else None

    def checks(screen, games):
        # First start: centred, the right size, with the notched outline.
        started = time.time()
        game = Game(screen, program).start()
        games.append(game)
        print("# first frame after %.2f s" % (time.time() - started))
        x, y, w, h = screen.geometry(game.window)
        check((w, h) == WINDOW_SIZE, "window is 759 x 569 (got %d x %d)" % (w, h))
        centred = ((SCREEN[0] - w) // 2, (SCREEN[1] - h) // 2)
        check(abs(x - centred[0]) <= 1 and abs(y - centred[1]) <= 1,
              "first start is centred at %s (got %d, %d)" % (centred, x, y))
        picture = screen.shot(os.path.join(keep, "start.png") if keep else None)
        check(picture.pixel(x, y) == (0, 0, 0) and picture.pixel(x + w - 1, y + h - 1) == (0, 0, 0),
              "the rounded outline leaves the outer corners to the desktop")
        check(picture.pixel(x + 20, y + 20) != (0, 0, 0) and picture.pixel(x + w - 30, y + h - 30) != (0, 0, 0),
              "the frame is painted inside the outline")

        # A second start ends by itself and leaves the first alone (single_instance.py: in front).
        second = subprocess.Popen([program], env=screen.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            code = second.wait(timeout=15)
        except subprocess.TimeoutExpired:
            second.kill()
            code = None
        check(code == 0, "a second start ends at once (exit %s)" % code)
        check(len(screen.windows()) == 1 and game.process.poll() is None, "the first game goes on alone")

        # A pair linked by two clicks: the purple link shows first, then both tiles vanish.
        pair = find_linkable_pair(game, picture)
        check(pair is not None, "the board has two alike tiles side by side")
        (r1, c1), (r2, c2) = pair
        background_before = game.cell(picture, r1, c1)
        game.click_cell(r1, c1)
        time.sleep(0.3)
        game.click_cell(r2, c2)
        during = screen.shot(os.path.join(keep, "link.png") if keep else None)
        bx, by = game.at(*BOARD_ORIGIN)
        purple = during.count(LINK_RGB, bx, by, 640, 480)
        check(purple >= 200, "the link is drawn in purple while held (%d pixels)" % purple)
        time.sleep(1.0)
        after = screen.shot(os.path.join(keep, "removed.png") if keep else None)
        check(game.cell(after, r1, c1) != background_before and game.cell(after, r2, c2) != game.cell(picture, r2, c2),
              "both tiles are gone after the hold")
        check(after.count(LINK_RGB, bx, by, 640, 480) == 0, "the link is gone with them")

        # Pause hides the board; a click on it resumes.
        probe = (6, 8)
        tile_before = game.cell(after, *probe)
        screen.click(*game.at(*PAUSE_BUTTON))
        time.sleep(0.5)
        paused = screen.shot(os.path.join(keep, "paused.png") if keep else None)
        check(game.cell(paused, *probe) != tile_before, "pause hides the tiles")
        game.click_cell(2, 2)
        time.sleep(0.5)
        resumed = screen.shot()
        check(game.cell(resumed, *probe) == tile_before, "a click on the board resumes the game")

        # A click on the notice opens the product page and is no drag: the pointer going over the
        # title afterwards leaves the window where it is.
        screen.click(*game.at(*NOTICE))
        opened = screen.opened(1)
        check(opened[:1] == [PRODUCT_PAGE], "the notice opens the product page (%s)" % opened)
        pointer_over_title(screen, game)
        now = screen.geometry(game.window)[:2]
        check(now == (x, y), "the pointer over the title after a click on the notice moves nothing (%s)" % (now,))

        # F1 opens the help page from a button the Tab key has reached, too.
        screen.key("Tab")
        screen.key("F1")
        opened = screen.opened(2)
        check(len(opened) == 2 and opened[1].startswith("file:///") and opened[1].endswith("/help.html"),
              "F1 after Tab opens the help page (%s)" % opened[1:])

        # Drag the window by its title area, then close it with Yes: the position is saved.
        start_drag = game.at(300, 12)
        screen.run(["xdotool", "mousemove", str(start_drag[0]), str(start_drag[1]), "mousedown", "1"])
        for step in range(1, 11):
            screen.run(["xdotool", "mousemove", str(start_drag[0] - 10 * step), str(start_drag[1] - 8 * step)])
            time.sleep(0.03)
        screen.run(["xdotool", "mouseup", "1"])
        time.sleep(0.3)
        moved = screen.geometry(game.window)[:2]
        check(moved == (x - 100, y - 80), "dragging the title area moves the window (now %s)" % (moved,))
        game.origin = moved
        screen.click(*game.at(*CLOSE_IMAGE))
        time.sleep(0.8)
        screen.key("alt+y")
        code = game.wait_exit()
        check(code == 0, "closing with Yes ends the program (exit %s)" % code)

        game = Game(screen, program).start()
        games.append(game)
        again = screen.geometry(game.window)[:2]
        check(again == moved, "the next start comes back where the window was closed (%s)" % (again,))
        screen.shot(os.path.join(keep, "restored.png") if keep else None)

        # Killed outright, the game leaves its lock behind; the next start takes it over.
        game.process.kill()
        game.process.wait()
        game = Game(screen, program).start()
        games.append(game)
        check(len(screen.windows()) == 1, "a start after SIGKILL opens the game again")
        game.kill()

        # A power cut between creating the lock and writing it leaves an empty file behind.
        lock = os.path.join(screen.env["XDG_RUNTIME_DIR"], "io.github.quorvane.Quorvane.lock")
        open(lock, "wb").close()
        game = Game(screen, program).start()
        games.append(game)
        check(len(screen.windows()) == 1, "a start that finds an empty lock file opens the game")
        game.kill()

        # Two starts at once: exactly one window, and the other process ends by itself.
        racers = [subprocess.Popen([program], env=screen.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL) for _ in range(2)]
        screen.wait_window()
        time.sleep(1.0)
        ended = [p.poll() for p in racers]
        check(len(screen.windows()) == 1 and ended.count(None) == 1 and 0 in ended,
              "two starts at once give one game (exits %s)" % ended)
        for p in racers:
            if p.poll() is None:
                p.kill()
                p.wait()

    return run_checks("quorvane-e2e-", checks)


if __name__ == "__main__":
    sys.exit(main())
