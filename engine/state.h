// SPDX-License-Identifier: MIT
// The whole state of a game: the board, the picks, the link search and the level's counters.
//
// The engine routines and the main window read and write these variables directly; there is no
// game object. Numbers are signed 16-bit; flags hold True as -1 and False as 0 and nothing else.
#pragma once

#include <cstdint>

namespace quorvane {

using int16 = std::int16_t;
using flag = std::int16_t;

inline constexpr flag True = -1;
inline constexpr flag False = 0;

inline constexpr int16 kRows = 12;            // board rows, ring included
inline constexpr int16 kCols = 16;            // board columns, ring included
inline constexpr int16 kInnerCells = 140;     // 10 x 14 playing cells
inline constexpr int16 kKinds = 25;           // tile kinds 1..25
inline constexpr int16 kPairsPerLevel = 70;   // 140 tiles
inline constexpr int16 kTimeCap = 150;        // time units at a deal, and the most there can be
inline constexpr int16 kCellSize = 40;        // pixels per cell in the board canvas
inline constexpr int16 kPathStackSize = 193;  // 12 x 16 + 1
inline constexpr int16 kLastLevel = 12;

// The playing field inside the ring: rows 2..11, columns 2..15. Tiles lie only here.
inline constexpr int16 kFirstPlayingRow = 2;
inline constexpr int16 kLastPlayingRow = 11;
inline constexpr int16 kFirstPlayingCol = 2;
inline constexpr int16 kLastPlayingCol = 15;

constexpr bool isPlayingCell(int row, int col) {
    return row >= kFirstPlayingRow && row <= kLastPlayingRow && col >= kFirstPlayingCol &&
           col <= kLastPlayingCol;
}

// Direction codes of the link search, always tried in this order.
inline constexpr int16 kRight = 1;
inline constexpr int16 kDown = 2;
inline constexpr int16 kLeft = 3;
inline constexpr int16 kUp = 4;

struct Cell {
    int16 x;        // col x 40, written when a tile is dealt; nobody reads it
    int16 y;        // row x 40, likewise
    int16 present;  // 1 = a tile lies here, 0 = empty
    int16 kind;     // 1..25; a removed tile leaves its kind behind, ring cells keep 0
};

struct PathStep {
    int16 row;
    int16 col;
    int16 dir;    // the direction taken out of this cell
    int16 turn;   // bookkeeping: 1 when dir differs from the previous step's
    int16 bends;  // bookkeeping: a bend count recorded with the step
};

// board[row][col] with row 1..12 and col 1..16; index 0 is unused so the numbers read as they do
// everywhere else in the game.
extern Cell board[kRows + 1][kCols + 1];

extern int16 pickRow, pickCol;          // the latest pick; the search starts here
extern int16 prevPickRow, prevPickCol;  // the pick before it; the search looks for it

extern PathStep pathStack[kPathStackSize + 1];  // entries 1..193
extern int16 pathTop;                           // next free entry: 1 = empty
extern PathStep topStep;                        // copy of the top entry, refreshed by peekStep
extern PathStep poppedStep;                     // the entry the last popStep removed
extern int16 searchRow, searchCol, searchDir, searchTurn, searchBends;  // the search cursor

extern int16 level;         // 1..12
extern int16 hintsLeft;     // hints still allowed in this level
extern int16 pairsRemoved;  // 70 clears the level
extern int16 timeLeft;      // 0..150
extern flag playing;        // a dealt level is in play
extern flag levelOver;      // the level ended and waits for the player
extern flag paused;         // the player paused the game
extern flag removeOnLink;   // False while the dead-board check only probes for links
extern flag probeFound;     // set whenever the removal routine accepts a link
extern int16 delayTicks;    // advanced by Timer1 while a link is held on screen

// Two more of our own, beside the variables the routines above share: whether a found link is
// being held on screen (presses and hints are dropped meanwhile) and how many deals there have
// been, so a removal that outlives its board can tell.
extern bool holdingLink;
extern std::uint32_t dealCount;

}  // namespace quorvane
