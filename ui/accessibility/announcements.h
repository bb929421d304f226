// SPDX-License-Identifier: MIT
// What a screen reader hears of the game beyond the control that has the focus: a pick, a removed
// pair, a pause, a level cleared or lost, a new level, the time running low or asked for.
//
// Screen readers drop name changes of table cells and of most objects that are not focused, but
// read a notification the moment it shows. So the main window's interface is a frame named by its
// title whose last child is a status bar (so that the news is read without a role name) holding one
// notification: each piece of news renames it and shows it again.
//
// The news comes from looking at the game after it changed, never from the engine telling: the
// board's paints and the countdown's ticks ask for a look, which compares what the game is now
// with what it was at the last look. Nothing is looked at while no assistive technology listens.
#pragma once

#include <QString>

class QAccessibleInterface;
class QWidget;

namespace quorvane::ui::accessibility {

// The main window's interface (made by the factory for the widget given to markMainWindow).
QAccessibleInterface* makeWindowInterface(QWidget* window);

// The board changed; a look follows once the engine has gone back to the event loop.
void boardChanged(QWidget* window);
// A countdown tick: the time running low is told once at a quarter and once at a tenth.
void clockTicked(QWidget* window);
// The time left and the level, when the player asks.
void tellTime(QWidget* window);

// The news last told, e.g. "消除 红苹果", and how many have been told.
QString lastNews(QWidget* window);
int newsCount(QWidget* window);

// The words of the news.
QString timeLeftText(int timeUnits);  // "剩余时间 84%"
// The fruit of a tile kind (1 .. kKinds) in the game's language; nothing for any other kind.
QString fruitName(int kind);

}  // namespace quorvane::ui::accessibility
