// SPDX-License-Identifier: MIT
// What a press costs: the link search, the dead-board check in front of every search, a press
// from end to end and a whole level. The window is the recording fake, whose link hold returns
// at once, so the figures are the engine's own work.
#include <benchmark/benchmark.h>

#include <cstring>
#include <optional>
#include <utility>

#include "engine/engine.h"
#include "fake_window.h"
#include "link_oracle.h"

namespace quorvane {
namespace {

using testing::FakeWindow;
using testing::Pos;

// The whole game state, so every iteration starts from the same board.
struct Snapshot {
    Cell cells[kRows + 1][kCols + 1];
    int16 picks[4];
    int16 pairs, time;

    void take() {
        std::memcpy(cells, board, sizeof cells);
        picks[0] = pickRow, picks[1] = pickCol, picks[2] = prevPickRow, picks[3] = prevPickCol;
        pairs = pairsRemoved;
        time = timeLeft;
    }
    void restore() const {
        std::memcpy(board, cells, sizeof cells);
        pickRow = picks[0], pickCol = picks[1], prevPickRow = picks[2], prevPickCol = picks[3];
        pairsRemoved = pairs;
        timeLeft = time;
        playing = True;
        levelOver = False;
    }
};

void freshLevel(FakeWindow& window, int second) {
    initGameState();
    window.second = second;
    startLevel();
}

// Takes pairs off through hints until only `tilesLeft` tiles remain.
void thinOut(int tilesLeft) {
    while (testing::tilesOnBoard() > tilesLeft) {
        hintsLeft = 1;
        useHint();
    }
}

// A same-kind pair that links, or one that does not.
std::optional<std::pair<Pos, Pos>> pairThat(bool links) {
    for (const auto& pair : testing::sameKindPairs()) {
        if (testing::oracleLinks(pair.first, pair.second) == links) {
            return pair;
        }
    }
    return std::nullopt;
}

void aimAt(const std::pair<Pos, Pos>& pair) {
    pickRow = static_cast<int16>(pair.first.row);
    pickCol = static_cast<int16>(pair.first.col);
    prevPickRow = static_cast<int16>(pair.second.row);
    prevPickCol = static_cast<int16>(pair.second.col);
}

// findLink from the pick to the previous pick, the dead-board check in front included. Arg 0:
// tiles on the board; arg 1: whether the pair links (and is removed) or the search runs dry.
void BM_FindLink(benchmark::State& state) {
    FakeWindow window;
    freshLevel(window, 17);
    thinOut(static_cast<int>(state.range(0)));
    const auto pair = pairThat(state.range(1) != 0);
    if (!pair) {
        state.SkipWithError("no such pair on this board");
        return;
    }
    aimAt(*pair);
    Snapshot start;
    start.take();
    for (auto _ : state) {
        start.restore();
        findLink(pickRow, pickCol, kRight, 0);
        benchmark::DoNotOptimize(pairsRemoved);
    }
}
BENCHMARK(BM_FindLink)
    ->ArgNames({"tiles", "links"})
    ->Args({140, 1})
    ->Args({140, 0})
    ->Args({70, 1})
    ->Args({70, 0})
    ->Args({30, 1})
    ->Args({30, 0})
    ->Unit(benchmark::kMicrosecond);

// Dead boards: every candidate pair is searched, then the tiles are reshuffled. Arg: pairs
// emptied from the full dead board, as many as can go while it stays dead.
void BM_CheckDeadBoard(benchmark::State& state) {
    FakeWindow window;
    initGameState();
    playing = True;
    testing::setDeadFullBoard();
    const int emptied = testing::emptyPairsKeepingDead(static_cast<int>(state.range(0)));
    state.counters["tiles"] = testing::tilesOnBoard();
    state.counters["pairs"] = static_cast<double>(testing::sameKindPairs().size());
    (void)emptied;
    Snapshot start;
    start.take();
    for (auto _ : state) {
        start.restore();
        checkDeadBoard();
        benchmark::DoNotOptimize(board[2][2].kind);
    }
}
BENCHMARK(BM_CheckDeadBoard)->Arg(0)->Arg(7)->Arg(70)->Unit(benchmark::kMicrosecond);

// One press from the board view to the end of the removal. Arg 0: a fresh board, the press
// linking its pair; arg 1: a press on the dead board with the most empty cells, so the check
// searches every pair and reshuffles before the press's own search.
void BM_Press(benchmark::State& state) {
    FakeWindow window;
    std::pair<Pos, Pos> pair;
    if (state.range(0) == 0) {
        freshLevel(window, 29);
        pair = *pairThat(true);
    } else {
        initGameState();
        playing = True;
        testing::setDeadFullBoard();
        testing::emptyPairsKeepingDead(70);
        pair = testing::sameKindPairs().front();
    }
    // The pick before the press is the first tile; the press on the second searches back to it.
    pickRow = static_cast<int16>(pair.first.row);
    pickCol = static_cast<int16>(pair.first.col);
    Snapshot start;
    start.take();
    for (auto _ : state) {
        start.restore();
        pressCell(static_cast<int16>(pair.second.row), static_cast<int16>(pair.second.col));
        benchmark::DoNotOptimize(pairsRemoved);
    }
}
BENCHMARK(BM_Press)->ArgName("dead")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A whole level: press a pair of neighbours of one kind when there is one, else take a hint.
void BM_WholeLevel(benchmark::State& state) {
    FakeWindow window;
    int presses = 0;
    int hints = 0;
    for (auto _ : state) {
        freshLevel(window, 41);
        while (levelOver != True) {
            bool pressed = false;
            for (int16 r = 2; r <= 11 && !pressed; ++r) {
                for (int16 c = 2; c <= 14 && !pressed; ++c) {
                    if (board[r][c].present == 1 && board[r][c + 1].present == 1 &&
                        board[r][c].kind == board[r][c + 1].kind) {
                        pressCell(r, c);
                        pressCell(r, static_cast<int16>(c + 1));
                        pressed = true;
                        presses += 2;
                    }
                }
            }
            if (!pressed) {
                hintsLeft = 1;
                useHint();
                ++hints;
            }
        }
    }
    state.counters["presses"] = benchmark::Counter(presses, benchmark::Counter::kAvgIterations);
    state.counters["hints"] = benchmark::Counter(hints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeLevel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
