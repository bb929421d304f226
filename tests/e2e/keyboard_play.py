#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays the real program with the keyboard alone, seeing the board only through screenshots.

Usage: keyboard_play.py PROGRAM BACKGROUND_PNG [--keep DIR]
No mouse event is sent. The first arrow must show the cursor on the top-left playing cell; then
pairs found on the screen are walked to with the arrows and pressed with Space until at least ten
are gone; P must hide the tiles and P again bring them back; H must leave the keys on the board;
another window with the keyboard must take the cursor away.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import e2e
from e2e import BOARD_ORIGIN, Failure, Game, Screen, check
from play_level import INNER, arguments, find_pair

CURSOR_RGB = (255, 0, 64)  # BoardView::kKeyCursorRgb
PAIRS_WANTED = 10
# The cursor is a frame just inside the grid lines; the middle of a cell tells its face.
INSET, INNER_SIZE = 4, 32


def middle(game, shot, row, col):
    x, y = game.at(BOARD_ORIGIN[0] + (col - 1) * 40 + INSET, BOARD_ORIGIN[1] + (row - 1) * 40 + INSET)
    return shot.crop(x, y, INNER_SIZE, INNER_SIZE)


def read_board(game, shot, background, faces):
    """Kind per playing cell: 0 empty, -1 a face not known (a selected tile), else the kind."""
    board = {}
    for row, col in INNER:
        crop = middle(game, shot, row, col)
        empty = background.crop((col - 1) * 40 + INSET, (row - 1) * 40 + INSET, INNER_SIZE, INNER_SIZE)
        board[(row, col)] = 0 if crop == empty else faces.get(crop, -1)
    return board


def cursor_pixels(game, shot, row=None, col=None):
    """Pixels of the cursor's colour in one cell, or on the whole board."""
    if row is None:
        x, y = game.at(*BOARD_ORIGIN)
        return shot.count(CURSOR_RGB, x, y, 640, 480)
    x, y = game.at(BOARD_ORIGIN[0] + (col - 1) * 40, BOARD_ORIGIN[1] + (row - 1) * 40)
    return shot.count(CURSOR_RGB, x, y, 40, 40)


class Player:
    """Walks the cursor with the arrows, remembering where it is."""

    def __init__(self, screen, game):
        self.screen = screen
        self.game = game
        self.at = (2, 2)

    def walk_to(self, row, col):
        dr, dc = row - self.at[0], col - self.at[1]
        keys = (["Down"] * dr if dr > 0 else ["Up"] * -dr) + (["Right"] * dc if dc > 0 else ["Left"] * -dc)
        if keys:
            self.screen.run(["xdotool", "key", "--delay", "15"] + keys)
        self.at = (row, col)
        time.sleep(0.1)
        shot = self.screen.shot()
        mine, everywhere = cursor_pixels(self.game, shot, row, col), cursor_pixels(self.game, shot)
        if mine < 100 or mine != everywhere:
            raise Failure("the cursor is not on (%d, %d) after %s (%d of %d pixels)" % (row, col, keys, mine, everywhere))

    def press(self, row, col):
        self.walk_to(row, col)
        self.screen.key("space")


def main():
    program, background, keep = arguments()

    def checks(screen, games):
        game = e2e.start_game(screen, games, program)
        # A window manager would hand the new window the keyboard; there is none here.
        screen.run(["xdotool", "windowfocus", "--sync", game.window])
        time.sleep(0.2)
        first = screen.shot()
        check(cursor_pixels(game, first) == 0, "no cursor before the first key")
        faces = {}
        for cell in INNER:
            faces.setdefault(middle(game, first, *cell), len(faces) + 1)
        check(len(faces) == 25, "the first deal shows all 25 kinds (%d faces)" % len(faces))

        screen.key("Right")
        time.sleep(0.3)
        shown = screen.shot(os.path.join(keep, "cursor.png") if keep else None)
        on_first = cursor_pixels(game, shown, 2, 2)
        check(on_first >= 100 and on_first == cursor_pixels(game, shown),
              "the first arrow shows the cursor on (2, 2) (%d pixels there)" % on_first)
        check(read_board(game, shown, background, faces) == read_board(game, first, background, faces),
              "the cursor leaves the tiles as they were")

        player = Player(screen, game)
        shot = shown
        tiles = 140
        moves = 0
        while 140 - tiles < 2 * PAIRS_WANTED and moves < 60:
            moves += 1
            board = read_board(game, shot, background, faces)
            known = [cell for cell in INNER if board[cell] > 0]
            pair = find_pair(board)
            if pair is None:
                # No pair on the board: the next press on a second tile reshuffles it.
                pair = (known[0], known[-1])
            player.press(*pair[0])
            time.sleep(0.15)
            player.press(*pair[1])
            time.sleep(0.6)  # the link is held for two ticks of 200 ms
            shot = screen.shot(os.path.join(keep, "keys-last.png") if keep else None)
            tiles = sum(1 for cell in INNER if read_board(game, shot, background, faces)[cell] != 0)
        check(140 - tiles >= 2 * PAIRS_WANTED,
              "arrows and Space alone clear %d pairs in %d moves" % ((140 - tiles) // 2, moves))

        # P hides the tiles and the cursor; P again brings both back.
        before = read_board(game, shot, background, faces)
        screen.key("p")
        time.sleep(0.4)
        paused = screen.shot(os.path.join(keep, "keys-paused.png") if keep else None)
        hidden = sum(1 for cell in INNER if before[cell] != 0 and
                     middle(game, paused, *cell) == middle(game, shot, *cell))
        check(hidden == 0 and cursor_pixels(game, paused) == 0, "P hides the tiles and the cursor")
        screen.key("p")
        time.sleep(0.4)
        resumed = screen.shot()
        after = read_board(game, resumed, background, faces)
        # A selected tile comes back in its plain look.
        same = all(after[cell] == before[cell] or (before[cell] == -1 and after[cell] > 0) for cell in INNER)
        check(same and cursor_pixels(game, resumed, *player.at) >= 100,
              "P again shows the same tiles and the cursor")

        # H takes a hint and leaves the keys on the board: the cursor stays, and Space then picks
        # the tile under it rather than pressing the hint button again.
        screen.key("h")
        time.sleep(0.7)
        hinted = screen.shot()
        check(cursor_pixels(game, hinted, *player.at) >= 100, "after H the cursor still shows")
        tile = next(cell for cell in INNER if read_board(game, hinted, background, faces)[cell] > 0)
        player.press(*tile)
        time.sleep(0.3)
        check(read_board(game, screen.shot(), background, faces)[tile] == -1,
              "after H, Space picks the tile under the cursor")

        # Another window with the keyboard takes the cursor away; back, it shows again.
        other = subprocess.Popen(["xmessage", "-geometry", "+0+600", "another window"],
                                 env=screen.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(0.5)
            found = screen.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "xmessage"])
            screen.run(["xdotool", "windowfocus", "--sync", found.stdout.split()[0].decode()])
            time.sleep(0.3)
            check(cursor_pixels(game, screen.shot()) == 0,
                  "while another window has the keyboard no cursor shows")
            screen.run(["xdotool", "windowfocus", "--sync", game.window])
            time.sleep(0.3)
            check(cursor_pixels(game, screen.shot(), *player.at) >= 100,
                  "back in the game the cursor shows again")
        finally:
            other.kill()
            other.wait()

    return e2e.run_checks("quorvane-keys-", checks)


if __name__ == "__main__":
    sys.exit(main())
