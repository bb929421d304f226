// SPDX-License-Identifier: MIT
// The window as assistive technology reads it, beyond what Qt and the buttons tell by themselves:
//   the board      a table of its 10 x 14 playing cells, items that each read their place, their
//                  fruit or "空" (empty), and "已选中" while they show the selected look; the
//                  keyboard cursor's cell has the focus and is announced as the cursor moves
//   the time bar   a progress bar of the time units left, 0 to 150, read when asked for
//   the level      "第", the number and "关" read as one text ("第 1 关") on the number's label;
//                  the two words beside it are left out of the tree
// Every word in the game's language (these are the words it is written in).
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace quorvane::ui {

class BoardView;

namespace accessibility {

// Registers the factory of the interfaces above, once.
void installFactory();

// Makes the board a table of cells and tells its cursor's moves and its paints on.
void attachBoard(BoardView* board);

// Gives the widgets their interfaces. Call once each, right after making them.
void markMainWindow(QWidget* window);  // a frame with the news in it (announcements.h)
void markTimeBar(QWidget* timeBar);
void markLevelCaption(QLabel* number, QLabel* before, QLabel* after);

// What a playing cell reads, e.g. "第1行第3列 红苹果 已选中": rows and columns are counted from
// 1 at the top-left playing cell.
QString cellName(const BoardView* board, int row, int col);

// Announcements, heard only while an assistive technology listens.
void cursorMoved(BoardView* board, int row, int col);  // the cell takes the focus
void cellChanged(BoardView* board, int row, int col);  // its name may read differently

}  // namespace accessibility
}  // namespace quorvane::ui
