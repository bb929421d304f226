// SPDX-License-Identifier: MIT
// The level caption above the board: a word before the number and one after it ("第 1 关"), or
// only the one before ("Level 1"), each on a label of its own.
#pragma once

#include <QLabel>

namespace quorvane::ui {

struct LevelCaption {
    QLabel* before;
    QLabel* number;
    QLabel* after;
};

// Makes the three labels on `panel` in the game's language. The words keep their places beside
// the number; one too wide for its place grows away from the number.
LevelCaption makeLevelCaption(QWidget* panel);

}  // namespace quorvane::ui
