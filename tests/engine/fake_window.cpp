#include "fake_window.h"

#include "engine/clock.h"
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
