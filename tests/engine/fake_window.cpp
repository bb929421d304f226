// SPDX-License-Identifier: MIT
#include "fake_window.h"

#include <algorithm>
#include <cstdlib>

#include "engine/clock.h"
#include "engine/state.h"

namespace quorvane::testing {

void FakeCanvas::Cls() {
    reset();
    ++clsCount;
    std::fill(pixels.begin(), pixels.end(), Shown::Nothing);
}

void FakeCanvas::PaintPicture(Form2Picture picture, int x, int y, int w, int h) {
    paints.push_back({picture, x, y, w, h});
    switch (picture.set) {
        case Form2Picture::Set::Picture1:
            fill(x, y, w, h, picture.index >= kKinds ? Shown::SelectedTile : Shown::Tile);
            break;
        case Form2Picture::Set::Picture2:
            fill(x, y, w, h, Shown::LinkPiece);
            break;
        default:
            fill(x, y, w, h, Shown::Banner);
    }
}

// The grid's lines run straight across or down; the end point is left out.
void FakeCanvas::Line(int x1, int y1, int x2, int y2, Colour colour) {
    lines.push_back({x1, y1, x2, y2, colour});
    if (y1 == y2) {
        fill(std::min(x1, x2 + 1), y1, std::abs(x2 - x1), 1, Shown::Black);
    } else if (x1 == x2) {
        fill(x1, std::min(y1, y2 + 1), 1, std::abs(y2 - y1), Shown::Black);
    }
}

void FakeCanvas::fill(int x, int y, int w, int h, Shown what) {
    for (int row = std::max(y, 0); row < std::min(y + h, kHeight); ++row) {
        for (int col = std::max(x, 0); col < std::min(x + w, kWidth); ++col) {
            pixels[static_cast<std::size_t>(row * kWidth + col)] = what;
        }
    }
}

void FakeCanvas::reset() {
    paints.clear();
    lines.clear();
}

FakeWindow::FakeWindow() {
    attachWindow(&controls, this);
}
FakeWindow::~FakeWindow() {
    attachWindow(nullptr, nullptr);
}

bool FakeWindow::waitForEvents() {
    ++waits;
    if (abandonWaits) {
        return false;
    }
    if (duringHold) {
        duringHold(waits);
    }
    if (holdTimer.enabled) {
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
    if (countdown.enabled) {
        countdownTick();
    }
}

}  // namespace quorvane::testing
