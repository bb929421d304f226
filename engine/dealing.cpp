// SPDX-License-Identifier: MIT
#include "dealing.h"

#include <array>
#include <cmath>
#include <string>

#include "captions.h"
#include "painting.h"
#include "window.h"

namespace quorvane {

namespace {

constexpr std::array<int, kLastLevel> kTimer2Intervals = {2500, 2000, 1750, 1500, 1250, 1000,
                                                          750,  500,  400,  300,  200,  100};
constexpr std::array<int16, kLastLevel> kHints = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0};

int16 second() {
    return static_cast<int16>(host().clockSecond());
}

}  // namespace

int timer2IntervalFor(int16 levelNumber) {
    return kTimer2Intervals.at(levelNumber - 1);
}
int16 hintsFor(int16 levelNumber) {
    return kHints.at(levelNumber - 1);
}

int16 randomInRange(int16 hi, int16 lo, int16 offset) {
    const int n = hi - lo + 1;
    const float r = host().rnd();
    // Single-precision arithmetic, then the nearest integer with halves to the even neighbour.
    const float scaled = static_cast<float>(n) * r + static_cast<float>(offset);
    const auto rounded = static_cast<long>(std::nearbyint(scaled));
    return static_cast<int16>(rounded % n + lo);
}

void shuffleOrder(int16* order) {
    struct Slot {
        int16 skip;
        bool taken;
    };
    std::array<Slot, kInnerCells + 1> slots{};  // 1..140
    for (int16 i = 1; i <= kInnerCells; ++i) {
        slots[i] = {randomInRange(30, 1, second()), false};
    }
    int16 s = randomInRange(10, 1, second());
    int16 p = 1;
    for (int16 j = 0; j < kInnerCells; ++j) {
        // Land on the s-th free slot after the current position, wrapping after 140.
        do {
            p = static_cast<int16>(p % kInnerCells + 1);
            if (!slots[p].taken) {
                --s;
            }
        } while (s > 0);
        slots[p].taken = true;
        order[j] = p;
        s = slots[p].skip;
    }
}

Cell& placeTile(int16 cellNumber) {
    const auto row = static_cast<int16>((cellNumber - 1) / 14 + kFirstPlayingRow);
    const auto col = static_cast<int16>((cellNumber - 1) % 14 + kFirstPlayingCol);
    Cell& cell = board[row][col];
    cell.x = static_cast<int16>(col * kCellSize);
    cell.y = static_cast<int16>(row * kCellSize);
    cell.present = 1;
    return cell;
}

void dealBoard() {
    const int16 kindsOffset = randomInRange(5, 1, second());
    const auto favoured = [kindsOffset](int16 kind) {
        return kind > kindsOffset && kind <= kindsOffset + 20;
    };

    std::array<int16, kInnerCells> order{};
    shuffleOrder(order.data());

    std::array<int16, kKinds + 1> tally{};
    for (int16 v : order) {
        Cell& cell = placeTile(v);
        // The caps add up to exactly 140, so a kind with room is always left to draw.
        int16 t = 0;
        do {
            t = randomInRange(kKinds, 1, second());
        } while (!(tally[t] < 4 || (favoured(t) && tally[t] < 6)));
        cell.kind = t;
        ++tally[t];
    }

    // A new board starts with nothing picked, as after a removal, and running.
    pickRow = pickCol = prevPickRow = prevPickCol = 1;
    paused = False;
    levelOver = False;
    playing = True;
    timeLeft = kTimeCap;
    pairsRemoved = 0;
    ++dealCount;
    frmMain().Timer2.setEnabled(true);
    frmMain().Picture3.PaintPicture(Form2::Picture4, 0, 0, 450, 10);
    showLevel(level);
}

void showLevel(int16 levelNumber) {
    if (levelNumber >= 1 && levelNumber <= kLastLevel) {
        frmMain().Label3.setCaption(std::to_string(levelNumber));
        frmMain().Timer2.setInterval(timer2IntervalFor(levelNumber));
        hintsLeft = hintsFor(levelNumber);
    }
    frmMain().XPButton5.setCaption(hintsCaption(hintsLeft));
}

void startLevel() {
    dealBoard();
    // Every playing cell holds a tile after a deal.
    for (int16 row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int16 col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            paintTile(row, col, board[row][col].kind - 1);
        }
    }
    drawGrid();
    frmMain().Label4.setEnabled(false);
    frmMain().Label4.setVisible(false);
}

}  // namespace quorvane
