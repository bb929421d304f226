// SPDX-License-Identifier: MIT
#include "link_oracle.h"

#include <array>
#include <deque>

#include "board_layout.h"

namespace quorvane::testing {

namespace {

constexpr int kDr[5] = {0, 0, 1, 0, -1};  // indexed by direction 1..4: right, down, left, up
constexpr int kDc[5] = {0, 1, 0, -1, 0};

bool onGrid(int r, int c) {
    return r >= 1 && r <= kRows && c >= 1 && c <= kCols;
}

}  // namespace

bool oracleLinks(Pos a, Pos b) {
    struct State {
        int r, c, dir, bends;
    };
    // best[r][c][dir]: fewest bends with which a path reaches (r, c) travelling in dir.
    std::array<std::array<std::array<int, 5>, kCols + 2>, kRows + 2> best{};
    for (auto& row : best) {
        for (auto& cell : row) {
            cell.fill(99);
        }
    }
    std::deque<State> queue;
    for (int d = 1; d <= 4; ++d) {
        const int r = a.row + kDr[d];
        const int c = a.col + kDc[d];
        if (Pos{r, c} == b) {
            return true;
        }
        if (onGrid(r, c) && board[r][c].present == 0) {
            best[r][c][d] = 0;
            queue.push_back({r, c, d, 0});
        }
    }
    while (!queue.empty()) {
        const State s = queue.front();
        queue.pop_front();
        if (s.bends > best[s.r][s.c][s.dir]) {
            continue;
        }
        for (int d = 1; d <= 4; ++d) {
            const int bends = s.bends + (d == s.dir ? 0 : 1);
            if (bends > 2) {
                continue;
            }
            const int r = s.r + kDr[d];
            const int c = s.c + kDc[d];
            if (Pos{r, c} == b) {
                return true;
            }
            if (!onGrid(r, c) || board[r][c].present != 0 || best[r][c][d] <= bends) {
                continue;
            }
            best[r][c][d] = bends;
            if (bends == s.bends) {
                queue.push_front({r, c, d, bends});
            } else {
                queue.push_back({r, c, d, bends});
            }
        }
    }
    return false;
}

std::vector<std::pair<Pos, Pos>> sameKindPairs() {
    std::vector<Pos> tiles;
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            if (board[r][c].present == 1) {
                tiles.push_back({r, c});
            }
        }
    }
    std::vector<std::pair<Pos, Pos>> pairs;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        for (std::size_t j = i + 1; j < tiles.size(); ++j) {
            if (board[tiles[i].row][tiles[i].col].kind == board[tiles[j].row][tiles[j].col].kind) {
                pairs.emplace_back(tiles[i], tiles[j]);
            }
        }
    }
    return pairs;
}

std::optional<std::pair<Pos, Pos>> linkablePair() {
    for (const auto& [a, b] : sameKindPairs()) {
        if (oracleLinks(a, b)) {
            return std::make_pair(a, b);
        }
    }
    return std::nullopt;
}

bool boardIsDead() {
    return !linkablePair().has_value();
}

void setDeadFullBoard() {
    // Rows 2..6 take kind (i + 2c) mod 25 + 1 with i = row - 2; rows 7..11 repeat that block with
    // its columns rotated by seven, so every kind comes an even number of times. The step 2 along
    // a row and 1 down a column keep neighbours apart; the rotation keeps the kinds of the two
    // edge columns from meeting again in the lower half.
    const auto h = [](int i, int c) { return static_cast<int16>((i + 2 * c) % 25 + 1); };
    setBoardBy([&h](Cell& cell, int r, int c) {
        const int rotated = (c - 2 + 7) % 14 + 2;
        cell.present = 1;
        cell.kind = r <= 6 ? h(r - 2, c) : h(r - 7, rotated);
    });
}

int emptyPairsKeepingDead(int pairs) {
    const auto isolated = [](int r, int c) {
        return board[r][c].present == 1 && board[r - 1][c].present == 1 &&
               board[r + 1][c].present == 1 && board[r][c - 1].present == 1 &&
               board[r][c + 1].present == 1;
    };
    int taken = 0;
    for (int r1 = 4; r1 <= 9 && taken < pairs; ++r1) {
        for (int c1 = 4; c1 <= 13 && taken < pairs; ++c1) {
            if (!isolated(r1, c1)) {
                continue;
            }
            bool done = false;
            for (int r2 = r1; r2 <= 9 && !done; ++r2) {
                for (int c2 = 4; c2 <= 13 && !done; ++c2) {
                    if ((r2 == r1 && c2 <= c1) || board[r2][c2].kind != board[r1][c1].kind ||
                        !isolated(r2, c2) || (r2 - r1 <= 1 && c2 - c1 <= 1 && c1 - c2 <= 1)) {
                        continue;
                    }
                    board[r1][c1].present = 0;
                    board[r2][c2].present = 0;
                    if (boardIsDead()) {
                        ++taken;
                        done = true;
                    } else {
                        board[r1][c1].present = 1;
                        board[r2][c2].present = 1;
                    }
                }
            }
        }
    }
    return taken;
}

void swapKindNames(Pos p, int16 kind) {
    const int16 from = board[p.row][p.col].kind;
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            Cell& cell = board[r][c];
            if (cell.kind == from) {
                cell.kind = kind;
            } else if (cell.kind == kind) {
                cell.kind = from;
            }
        }
    }
}

}  // namespace quorvane::testing
