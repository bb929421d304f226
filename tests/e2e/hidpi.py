#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The game on scaled screens: the real program under Xvfb at QT_SCALE_FACTOR 2, 1.5 and 1.25,
driven by xdotool, checked on screenshots in device pixels.

Usage: hidpi.py PROGRAM [--keep DIR]
Each check prints one line; the script exits non-zero on the first failure.
"""
import os
import shutil
import sys
import tempfile
import time

from e2e import BOARD_ORIGIN, LINK_RGB, WINDOW_SIZE, Failure, Game, Screen, check, find_linkable_pair

SCREEN = (2560, 1600)  # room for the window at 2x
LEVEL_PREFIX = (4 + 56, 32, 20, 19)  # the "第" label, in the window's logical pixels
PLAYING_CELLS = [(row, col) for row in range(2, 12) for col in range(2, 16)]


def ink_box(picture, x, y, w, h):
    """The bounding box (left, top, right, bottom) of the dark text pixels in a rectangle."""
    rows = [yy for yy in range(y, y + h) for xx in range(x, x + w) if max(picture.pixel(xx, yy)) < 128]
    cols = [xx for yy in range(y, y + h) for xx in range(x, x + w) if max(picture.pixel(xx, yy)) < 128]
    if not rows:
        return None
    return min(cols), min(rows), max(cols) + 1, max(rows) + 1


def glyph_height(game, picture):
    x, y, w, h = game.rect(*LEVEL_PREFIX)
    box = ink_box(picture, x, y, w, h)
    check(box is not None, "the level label shows its first glyph at %sx" % game.scale)
    left, top, right, bottom = box
    check(top > y and right < x + w and bottom < y + h,
          "the glyph is not clipped by its label at %sx (ink %s in %s)" % (game.scale, box, (x, y, w, h)))
    return bottom - top


def flat_block_share(picture, rects, origin):
    """Of the 2 x 2 device-pixel blocks aligned with the window's logical pixels, the share whose
    four pixels are equal. A picture blown up from 1x pixels is made only of such blocks."""
    flat = total = 0
    for x, y, w, h in rects:
        x0 = x + (x - origin[0]) % 2
        y0 = y + (y - origin[1]) % 2
        for yy in range(y0, y + h - 1, 2):
            for xx in range(x0, x + w - 1, 2):
                a = picture.pixel(xx, yy)
                total += 1
                if a == picture.pixel(xx + 1, yy) == picture.pixel(xx, yy + 1) == picture.pixel(xx + 1, yy + 1):
                    flat += 1
    return flat / total


def repeated_column_share(picture, rects):
    """Of the neighbouring device columns inside the rectangles, the share that are equal from top
    to bottom. Stretching 1x pixels to 1.5 without smoothing repeats every other source column."""
    same = total = 0
    for x, y, w, h in rects:
        for xx in range(x, x + w - 1):
            total += 1
            if all(picture.pixel(xx, yy) == picture.pixel(xx + 1, yy) for yy in range(y, y + h)):
                same += 1
    return same / total


def check_link(game, picture, first, second):
    """The link of two neighbouring cells is the 10-pixel bar on their centre line, from one centre
    to the other, in device pixels: purple throughout between the centres and nowhere off the bar's
    line within the two cells."""
    (r1, c1), (r2, c2) = sorted([first, second])
    bx, by = BOARD_ORIGIN
    left, top = bx + (c1 - 1) * 40, by + (r1 - 1) * 40
    if r1 == r2:  # side by side: a horizontal bar
        core = game.rect(left + 20, top + 15, 40, 10)
        line = game.rect(left, top + 15, 80, 10)
        cells = game.rect(left, top, 80, 40)
    else:  # one above the other: a vertical bar
        core = game.rect(left + 15, top + 20, 10, 40)
        line = game.rect(left + 15, top, 10, 80)
        cells = game.rect(left, top, 40, 80)
    x, y, w, h = core
    missing = w * h - picture.count(LINK_RGB, x, y, w, h)
    check(missing == 0, "at %sx the link fills the bar between the centres (%d of %d device pixels missing)"
          % (game.scale, missing, w * h))
    stray = picture.count(LINK_RGB, *cells) - picture.count(LINK_RGB, *line)
    check(stray == 0, "at %sx nothing of the link lies off the bar's line (%d device pixels)" % (game.scale, stray))


def clear_pairs(screen, game, count, keep):
    for n in range(count):
        before = screen.shot()
        pair = find_linkable_pair(game, before)
        check(pair is not None, "at %sx the board has two alike tiles side by side" % game.scale)
        first, second = pair
        tiles = [game.cell(before, *first), game.cell(before, *second)]
        game.click_cell(*first)
        time.sleep(0.3)
        game.click_cell(*second)
        during = screen.shot(os.path.join(keep, "link-%sx-%d.png" % (game.scale, n)) if keep else None)
        check_link(game, during, first, second)
        time.sleep(1.0)
        after = screen.shot()
        check(game.cell(after, *first) != tiles[0] and game.cell(after, *second) != tiles[1],
              "at %sx the clicks on %s and %s took both tiles away" % (game.scale, first, second))
        bx, by, bw, bh = game.rect(BOARD_ORIGIN[0], BOARD_ORIGIN[1], 640, 480)
        check(after.count(LINK_RGB, bx, by, bw, bh) == 0, "at %sx the link is gone with them" % game.scale)


def run(screen, program, scale, keep):
    game = Game(screen, program, scale).start()
    try:
        x, y, w, h = screen.geometry(game.window)
        expected = tuple(int(v * scale + 0.5) for v in WINDOW_SIZE)
        check((w, h) == expected, "at %sx the window is %d x %d device pixels (got %d x %d)"
              % ((scale,) + expected + (w, h)))
        picture = screen.shot(os.path.join(keep, "start-%sx.png" % scale) if keep else None)
        height = glyph_height(game, picture)
        print("# %sx: the first glyph of the level label is %d device pixels tall" % (scale, height))
        # Every playing cell holds a tile at the start; measured inside the bevelled frame of each
        # face (its outer 3 pixels, drawn 2 device pixels wide at 2x by design).
        faces = [game.rect(BOARD_ORIGIN[0] + (col - 1) * 40 + 3, BOARD_ORIGIN[1] + (row - 1) * 40 + 3, 34, 34)
                 for row, col in PLAYING_CELLS]
        if scale == 2:
            share = flat_block_share(picture, faces, game.origin)
            # The faces have plain, softly shaded backgrounds by design, so a face alone can be flat
            # in up to 0.6 of its blocks; over the whole set of faces the share is below half.
            check(share < 0.5, "at 2x the tiles are not blown up from 1x: %.3f of the aligned 2 x 2 "
                  "blocks inside the tile faces are flat" % share)
        elif scale != 1:
            share = repeated_column_share(picture, faces)
            check(share < 0.25, "at %sx the tiles are resampled smoothly: %.3f of neighbouring columns "
                  "inside the tiles are repeats" % (scale, share))
        if scale != 1:
            clear_pairs(screen, game, 3 if scale == 2 else 2, keep)
        return height
    finally:
        game.kill()


def main():
    program = os.path.abspath(sys.argv[1])
    keep = sys.argv[3] if len(sys.argv) > 3 and sys.argv[2] == "--keep" else None
    workdir = tempfile.mkdtemp(prefix="quorvane-hidpi-")
    screen = Screen(workdir, SCREEN)
    try:
        heights = {scale: run(screen, program, scale, keep) for scale in (1, 2, 1.5, 1.25)}
        for scale, least in ((2, 1.8), (1.5, 1.35)):
            check(heights[scale] >= least * heights[1], "at %sx the label's glyph is %.2f times its 1x "
                  "height (at least %s)" % (scale, heights[scale] / heights[1], least))
        screen.close()
        # A screen smaller than the window at 2x (1280 x 1024 device pixels is 640 x 512): the window
        # starts at the top left, its title band within reach, never above or left of the screen.
        screen = Screen(os.path.join(workdir, "small"), (1280, 1024))
        game = Game(screen, program, 2).start()
        try:
            where = screen.geometry(game.window)[:2]
            check(where == (0, 0), "on a screen smaller than the window it opens at the top left (%d, %d)" % where)
        finally:
            game.kill()
    except Failure as failure:
        print("FAIL -", failure, flush=True)
        return 1
    finally:
        screen.close()
        shutil.rmtree(workdir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
