// SPDX-License-Identifier: MIT
// The common ground of the engine tests: a fresh game state on a recording window, and a look
// at what the board and the search hold while a found link is on screen.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "fake_window.h"
#include "game_invariants.h"
#include "link_oracle.h"

namespace quorvane::testing {

class EngineTest : public ::testing::Test {
  protected:
    // A level in play on whatever board the test sets: as after a deal, without dealing.
    void SetUp() override {
        initGameState();
        playing = True;
        timeLeft = kTimeCap;
        hintsLeft = 3;
        window.countdown.enabled = true;
    }

    // Runs `step` inside the next link holds, on the first wait of each.
    void onFirstWait(std::function<void()> step) {
        window.duringHold = [step = std::move(step)](int wait) {
            if (wait == 1) {
                step();
            }
        };
    }

    // From now on every link hold records the path on the stack and the link pieces drawn.
    void recordHolds() {
        window.duringHold = [this](int) {
            if (!holdRecorded) {
                heldPath.assign(pathStack + 1, pathStack + pathTop);
                heldPixels = window.boardCanvas.pixels;
                heldPieces.clear();
                for (const Paint& p : window.boardCanvas.paints) {
                    if (p.picture.set == Form2Picture::Set::Picture2) {
                        heldPieces.push_back(p);
                    }
                }
                holdRecorded = true;
            }
        };
    }
    void forgetHold() {
        holdRecorded = false;
        heldPath.clear();
        heldPixels.clear();
        heldPieces.clear();
    }

    // Makes (row, col) the latest pick as a press before would have, without searching.
    static void setPick(int row, int col) {
        pickRow = static_cast<int16>(row);
        pickCol = static_cast<int16>(col);
    }

    // Plays the level on the board to its end as a player would, through presses and hints only:
    // presses a linkable pair (or now and then takes a hint), and when nothing links takes a hint
    // or presses two tiles so the board is reshuffled. The clock ticks every third move and once
    // inside every link hold. Returns the number of moves.
    int playOut(unsigned seed) {
        std::mt19937 rng(seed);
        onFirstWait([this] { window.tickTimer2(); });
        int moves = 0;
        while (levelOver != True && moves < 2000) {
            ++moves;
            std::vector<std::pair<Pos, Pos>> linkable;
            for (const auto& pair : sameKindPairs()) {
                if (oracleLinks(pair.first, pair.second)) {
                    linkable.push_back(pair);
                }
            }
            if (hintsLeft > 0 && (linkable.empty() || rng() % 6 == 0)) {
                useHint();
            } else if (!linkable.empty()) {
                const auto [a, b] = linkable[rng() % linkable.size()];
                pressCell(static_cast<int16>(a.row), static_cast<int16>(a.col));
                pressCell(static_cast<int16>(b.row), static_cast<int16>(b.col));
            } else {
                const auto pairs = sameKindPairs();
                pressCell(static_cast<int16>(pairs[0].first.row),
                          static_cast<int16>(pairs[0].first.col));
                pressCell(static_cast<int16>(pairs[0].second.row),
                          static_cast<int16>(pairs[0].second.col));
            }
            if (moves % 3 == 0) {
                window.tickTimer2();
            }
            expectConsistentGame();
            if (::testing::Test::HasFatalFailure()) {
                break;
            }
        }
        return moves;
    }

    FakeWindow window;
    bool holdRecorded = false;
    std::vector<PathStep> heldPath;
    std::vector<Paint> heldPieces;
    FakeCanvas::Pixels heldPixels;  // the board as shown during the hold
};

// The path as (row, col, dir) triples, for exact comparison.
inline std::vector<std::array<int, 3>> cellsAndDirs(const std::vector<PathStep>& path) {
    std::vector<std::array<int, 3>> out;
    for (const PathStep& s : path) {
        out.push_back({s.row, s.col, s.dir});
    }
    return out;
}

}  // namespace quorvane::testing
