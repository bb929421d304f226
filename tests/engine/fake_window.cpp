#include "fake_window.h"

#include "engine/clock.h"
#include "engine/search.h"
#include "engine/state.h"

namespace quorvane::testing {

void FakeCanvas::Cls() {
    reset();
    ++clsCount;
}

void FakeCanvas::PaintPicture(Form2Picture picture, int x, int y, int w, int h) {
    paints.push_back({picture, x, y, w, h});
}

void FakeCanvas::Line(int x1, int y1, int x2, int y2, Colour colour) {
    lines.push_back({x1, y1, x2, y2, colour});
}

void FakeCanvas::reset() {
    paints.clear();
    lines.clear();
}

FakeWindow::FakeWindow() {
    attachWindow(this);
}
FakeWindow::~FakeWindow() {
    attachWindow(nullptr);
}

bool FakeWindow::waitForEvents() {
    ++waits;
    if (abandonWaits) {
        return false;
    }
    if (duringHold) {
        duringHold(waits);
    }
    if (timer1.enabled) {
        ++delayTicks;
    }
    return true;
}

float FakeWindow::rnd() {
    if (randomValues.empty()) {
        return generator.next();
    }
    const float r = randomValues[randomIndex % randomValues.size()];
    ++randomIndex;
    return r;
}

void FakeWindow::tickTimer2() {
    if (timer2.enabled) {
        countdownTick();
    }
}

void setBoard(const std::vector<std::string>& rows) {
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            const std::string& line = r - 1 < static_cast<int>(rows.size()) ? rows[r - 1] : "";
            const char ch = c - 1 < static_cast<int>(line.size()) ? line[c - 1] : '.';
            Cell& cell = board[r][c];
            cell.x = static_cast<int16>(c * 40);
            cell.y = static_cast<int16>(r * 40);
            cell.present = ch == '.' ? 0 : 1;
            cell.kind = ch == '.' ? 0 : static_cast<int16>(ch - 'A' + 1);
        }
    }
}

std::vector<int> tilesPerKind() {
    std::vector<int> counts(kKinds + 1, 0);
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            if (board[r][c].present == 1) {
                ++counts[board[r][c].kind];
            }
        }
    }
    return counts;
}

int tilesOnBoard() {
    int n = 0;
    for (int count : tilesPerKind()) {
        n += count;
    }
    return n;
}

}  // namespace quorvane::testing
