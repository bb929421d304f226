// The common ground of the engine tests: a fresh game state on a recording window, and a look
// at what the board and the search hold while a found link is on screen.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/engine.h"
#include "fake_window.h"
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
        window.timer2.enabled = true;
    }

    // From now on every link hold records the path on the stack and the link pieces drawn.
    void recordHolds() {
        window.duringHold = [this](int) {
            if (!holdRecorded) {
                heldPath.assign(pathStack + 1, pathStack + pathTop);
                heldPieces.clear();
                for (const Paint& p : window.picture1.paints) {
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
        heldPieces.clear();
    }

    // Makes (row, col) the latest pick as a press before would have, without searching.
    static void setPick(int row, int col) {
        pickRow = static_cast<int16>(row);
        pickCol = static_cast<int16>(col);
    }

    FakeWindow window;
    bool holdRecorded = false;
    std::vector<PathStep> heldPath;
    std::vector<Paint> heldPieces;
};

// The path as (row, col, dir) triples, for exact comparison.
inline std::vector<std::array<int, 3>> cellsAndDirs(const std::vector<PathStep>& path) {
    std::vector<std::array<int, 3>> out;
    for (const PathStep& s : path) {
        out.push_back({s.row, s.col, s.dir});
    }
    return out;
}

inline bool isFlag(flag f) {
    return f == True || f == False;
}

}  // namespace quorvane::testing
