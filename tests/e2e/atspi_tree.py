#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The real program as a screen reader finds it over AT-SPI.

Usage: dbus-run-session -- atspi_tree.py PROGRAM
Runs under a session bus of its own (the accessibility bus is started from it) and an X server
of its own. Checks the six buttons by name and role, the board as a 10 x 14 table whose cells say
their place and fruit and whose cursor cell has the focus, the time bar as a progress bar and the
level caption as one text.
"""
import os
import shutil
import sys
import tempfile
import time

import pyatspi

import e2e
from e2e import Failure, Game, Screen, check

BUTTONS = ["重新载入", "暂停", "求助 10", "关于", "官方网站", "游戏频道"]


def find_application(name, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    raise Failure("the game never showed up on the accessibility bus")


def walk(node, found):
    """Every accessible below node as (role, name, node), the table's cells left out."""
    for child in node:
        if child is None:
            continue
        found.append((child.getRole(), child.name, child))
        if child.getRole() != pyatspi.ROLE_TABLE:
            walk(child, found)
    return found


def main():
    program = os.path.abspath(sys.argv[1])

    def checks(screen, games):
        screen.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        game = e2e.start_game(screen, games, program)
        app = find_application("Quorvane")
        nodes = walk(app, [])

        buttons = [name for role, name, _ in nodes if role == pyatspi.ROLE_PUSH_BUTTON]
        check(buttons == BUTTONS, "the six buttons are push buttons named %s" % buttons)

        tables = [node for role, _, node in nodes if role == pyatspi.ROLE_TABLE]
        check(len(tables) == 1, "the board is a table (%d tables)" % len(tables))
        grid = tables[0].queryTable()
        check((grid.nRows, grid.nColumns) == (10, 14), "of 10 rows and 14 columns (%d x %d)" % (grid.nRows, grid.nColumns))
        corner = grid.getAccessibleAt(0, 0)
        last = grid.getAccessibleAt(9, 13)
        check(corner.getRole() == pyatspi.ROLE_LIST_ITEM and corner.name.startswith("第1行第1列 ")
              and len(corner.name) > len("第1行第1列 ") and last.name.startswith("第10行第14列 "),
              "its cells, items read one at a time, say their place and fruit (%s; %s)" % (corner.name, last.name))
        check(tables[0].childCount == 140, "and it has 140 cells (%d)" % tables[0].childCount)
        screen.run(["xdotool", "windowfocus", "--sync", game.window])
        screen.key("Right")
        screen.key("Down")
        deadline = time.time() + 5
        while time.time() < deadline and not grid.getAccessibleAt(1, 0).getState().contains(pyatspi.STATE_FOCUSED):
            time.sleep(0.1)
        check(grid.getAccessibleAt(1, 0).getState().contains(pyatspi.STATE_FOCUSED)
              and not corner.getState().contains(pyatspi.STATE_FOCUSED),
              "the keyboard cursor's cell has the focus")

        bars = [node for role, _, node in nodes if role == pyatspi.ROLE_PROGRESS_BAR]
        check(len(bars) == 1, "the time bar is a progress bar")
        value = bars[0].queryValue()
        check(value.minimumValue == 0 and value.maximumValue == 150 and 140 <= value.currentValue <= 150,
              "of the time units left (%g of %g)" % (value.currentValue, value.maximumValue))

        names = [name for _, name, _ in nodes]
        check("第 1 关" in names and "第" not in names and "关" not in names,
              "the level caption reads as one text")

    return e2e.run_checks("quorvane-atspi-", checks)


if __name__ == "__main__":
    sys.exit(main())
