#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The real program as a screen reader finds it over AT-SPI.

Usage: dbus-run-session -- atspi_tree.py PROGRAM
Runs under a session bus of its own (the accessibility bus is started from it) and an X server
of its own. Checks the six buttons by name and role, the board as a 10 x 14 table whose cells say
their place and fruit and whose cursor cell has the focus, the time bar as a progress bar and the
level caption as one text; then the same in the desktop's language: English with LANGUAGE=en and
with LANG=de_DE.UTF-8 (a language the game does not speak), Traditional Chinese with
LANG=zh_TW.UTF-8.
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

ENGLISH = {
    "buttons": ["Restart", "Pause", "Hint 10", "About", "Website", "Games"],
    "board": "Board", "cell": "Row 1, column 1: ", "time bar": "Time left", "level": "Level 1",
}
# The desktop's language settings, and what the game then reads out.
LANGUAGES = [
    ({"LANGUAGE": "en"}, ENGLISH),
    ({"LANG": "de_DE.UTF-8"}, ENGLISH),
    ({"LANG": "zh_TW.UTF-8"}, {
        "buttons": ["重新載入", "暫停", "提示 10", "關於", "官方網站", "遊戲頻道"],
        "board": "棋盤", "cell": "第1列第1欄 ", "time bar": "剩餘時間", "level": "第 1 關",
    }),
]


def has_chinese(text):
    return any("\u2e80" <= c <= "\u9fff" or "\uf900" <= c <= "\ufaff" for c in text)


def find_application(name, timeout=20, pid=None):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0 and (
                    pid is None or app.get_process_id() == pid):
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

        for settings, words in LANGUAGES:
            game.kill()
            deadline = time.time() + 10
            while time.time() < deadline and screen.windows():
                time.sleep(0.1)
            env = dict(screen.env)
            for key in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"):
                screen.env.pop(key, None)
            screen.env.update(settings)
            game = e2e.start_game(screen, games, program)
            screen.env = env
            app = find_application("Quorvane", pid=game.process.pid)
            nodes = walk(app, [])
            read = [name for _, name, _ in nodes]
            buttons = [name for role, name, _ in nodes if role == pyatspi.ROLE_PUSH_BUTTON]
            table = [node for role, _, node in nodes if role == pyatspi.ROLE_TABLE][0]
            corner = table.queryTable().getAccessibleAt(0, 0)
            bar = [name for role, name, _ in nodes if role == pyatspi.ROLE_PROGRESS_BAR]
            what = "with %s" % settings
            check(buttons == words["buttons"], "%s the buttons read %s" % (what, buttons))
            check(table.name == words["board"] and corner.name.startswith(words["cell"]),
                  "%s the board reads %r, its first cell %r" % (what, table.name, corner.name))
            check(bar == [words["time bar"]], "%s the time bar reads %s" % (what, bar))
            check(words["level"] in read, "%s the level reads %r" % (what, words["level"]))
            if words is ENGLISH:
                chinese = [name for name in read + [corner.name] if has_chinese(name)]
                check(not chinese, "%s nothing reads in Chinese (%s)" % (what, chinese))

    return e2e.run_checks("quorvane-atspi-", checks)


if __name__ == "__main__":
    sys.exit(main())
