#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays level 1 of the real program to the end, seeing the board only through screenshots.

Usage: play_level.py PROGRAM BACKGROUND_PNG [--keep DIR]
It learns the 25 tile faces from the first screenshot, finds linkable pairs with a search of its
own, clicks them, and checks the level-cleared banner and the deal of level 2.
"""
import collections
import os
import shutil
import subprocess
import sys
import tempfile
import time

import e2e
from e2e import BOARD_ORIGIN, Failure, Game, Screen, check

INNER = [(r, c) for r in range(2, 12) for c in range(2, 16)]


def load_png(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], stdout=subprocess.PIPE, check=True).stdout
    return e2e.Picture(data)


def read_board(game, shot, background, faces):
    """Kind per inner cell: 0 empty, -1 a face not known (a selected tile), else the kind."""
    board = {}
    for row, col in INNER:
        crop = game.cell(shot, row, col)
        x, y = (col - 1) * 40 + 2, (row - 1) * 40 + 2
        if crop == background.crop(x, y, 36, 36):
            board[(row, col)] = 0
        else:
            board[(row, col)] = faces.get(crop, -1)
    return board


def links(board, a, b):
    """A path of at most two bends between a and b through empty cells, the ring included."""
    def empty(cell):
        r, c = cell
        if r < 1 or r > 12 or c < 1 or c > 16:
            return False
        return board.get(cell, 0) == 0

    steps = ((0, 1), (1, 0), (0, -1), (-1, 0))
    queue = collections.deque()
    seen = set()
    for d, (dr, dc) in enumerate(steps):
        queue.append((a, d, 0))
    while queue:
        (r, c), d, bends = queue.popleft()
        nxt = (r + steps[d][0], c + steps[d][1])
        if nxt == b:
            return True
        if not empty(nxt):
            continue
        for d2 in range(4):
            if (d2 + 2) % 4 == d:
                continue
            b2 = bends + (d2 != d)
            if b2 <= 2 and (nxt, d2, b2) not in seen:
                seen.add((nxt, d2, b2))
                queue.append((nxt, d2, b2))
    return False


def find_pair(board):
    tiles = [cell for cell in INNER if board[cell] > 0]
    for i, a in enumerate(tiles):
        for b in tiles[i + 1:]:
            if board[a] == board[b] and links(board, a, b):
                return a, b
    return None


def arguments():
    """PROGRAM BACKGROUND_PNG [--keep DIR]: the program, the board's background picture, and the
    folder to keep screenshots in, if any."""
    keep = sys.argv[4] if len(sys.argv) > 4 and sys.argv[3] == "--keep" else None
    return os.path.abspath(sys.argv[1]), load_png(sys.argv[2]), keep


def main():
    program, background, keep = arguments()

    def checks(screen, games):
        game = e2e.start_game(screen, games, program)
        first = screen.shot(os.path.join(keep, "level-start.png") if keep else None)
        faces = {}
        for cell in INNER:
            faces.setdefault(game.cell(first, *cell), len(faces) + 1)
        check(len(faces) == 25, "the first deal shows all 25 kinds (%d faces)" % len(faces))

        removed = 0
        moves = 0
        shot = first
        last_pair = None
        while moves < 300:
            moves += 1
            board = read_board(game, shot, background, faces)
            if last_pair and board[last_pair[0]] == 0 and board[last_pair[1]] == 0:
                removed += 1
                if keep and removed == 35:
                    # The window alone, half played: the picture the README shows.
                    x, y = game.origin
                    subprocess.run(["convert", os.path.join(keep, "last.png"), "-crop",
                                    "%dx%d+%d+%d" % (e2e.WINDOW_SIZE + (x, y)), "+repage",
                                    os.path.join(keep, "window-half-played.png")], check=True)
            # Tiles come in pairs and only one can be selected, so a board without a known
            # face is an empty one (the banner covers a few cells).
            tiles = [cell for cell in INNER if board[cell] > 0]
            if not tiles:
                break
            last_pair = find_pair(board)
            if last_pair is None:
                # No pair on the board: the next press on a second tile reshuffles it.
                game.click_cell(*tiles[0])
                time.sleep(0.15)
                game.click_cell(*tiles[-1])
                time.sleep(0.6)
            else:
                game.click_cell(*last_pair[0])
                time.sleep(0.05)
                game.click_cell(*last_pair[1])
                time.sleep(0.5)  # the link is held for two ticks of 200 ms
            shot = screen.shot(os.path.join(keep, "last.png") if keep else None)
        check(removed >= 60 and removed <= 70, "the level is played pair by pair through clicks (%d pairs linked in %d moves)" % (removed, moves))
        cleared = screen.shot(os.path.join(keep, "level-cleared.png") if keep else None)
        bx, by = game.at(*BOARD_ORIGIN)
        # The banner: red on white in the middle of the board.
        reds = sum(1 for y in range(by + 220, by + 260) for x in range(bx + 140, bx + 500)
                   if cleared.pixel(x, y)[0] > 180 and cleared.pixel(x, y)[1] < 90)
        check(reds > 300, "the level-cleared banner shows (%d red pixels)" % reds)
        game.click_cell(6, 8)
        time.sleep(0.8)
        dealt = screen.shot(os.path.join(keep, "level-two.png") if keep else None)
        board = read_board(game, dealt, background, faces)
        check(all(board[cell] > 0 for cell in INNER), "a click on the board deals the next level in full")

    return e2e.run_checks("quorvane-level-", checks)


if __name__ == "__main__":
    sys.exit(main())
