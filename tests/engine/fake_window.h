// A recording stand-in for the main window: it remembers every call the engine makes, lets a
// test inject the random source and the clock, and drives the two timers by hand.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/random.h"
#include "engine/window.h"

namespace quorvane::testing {

struct Paint {
    Form2Picture picture;
    int x, y, w, h;
    friend bool operator==(const Paint&, const Paint&) = default;
};

struct LineCall {
    int x1, y1, x2, y2;
    Colour colour;
};

class FakeCanvas : public Canvas {
  public:
    void Cls() override;
    void PaintPicture(Form2Picture picture, int x, int y, int w, int h) override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;

    // Everything since the last Cls or reset, in order.
    std::vector<Paint> paints;
    std::vector<LineCall> lines;
    int clsCount = 0;
    void reset();
};

class FakeLabel : public Label {
  public:
    void setCaption(std::string_view utf8) override { caption = utf8; }
    void setVisible(bool v) override { visible = v; }
    void setEnabled(bool e) override { enabled = e; }
    bool isVisible() const override { return visible; }
    bool isEnabled() const override { return enabled; }
    std::string caption;
    bool visible = false;
    bool enabled = false;
};

class FakeCaption : public Caption {
  public:
    void setCaption(std::string_view utf8) override { caption = utf8; }
    std::string caption;
};

class FakeTimer : public Timer {
  public:
    void setEnabled(bool e) override { enabled = e; }
    void setInterval(int ms) override { intervalMs = ms; }
    bool isEnabled() const override { return enabled; }
    int interval() const override { return intervalMs; }
    bool enabled = false;
    int intervalMs = 0;
};

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FakeWindow : public FrmMain {
  public:
    FakeWindow();
    ~FakeWindow() override;

    Canvas& Picture1() override { return picture1; }
    Canvas& Picture3() override { return picture3; }
    Label& Label3() override { return label3; }
    Label& Label4() override { return label4; }
    Caption& XPButton2() override { return xpButton2; }
    Caption& XPButton5() override { return xpButton5; }
    Timer& Timer1() override { return timer1; }
    Timer& Timer2() override { return timer2; }

    // One pass of the event loop during a link hold: runs the test's hook (if any), then lets an
    // enabled Timer1 tick once.
    bool waitForEvents() override;
    void playSound(std::string_view fileName) override { sounds.emplace_back(fileName); }
    void fatalError(std::string_view message) override { throw FatalError(std::string(message)); }
    int clockSecond() override { return second; }
    float rnd() override;

    // Ticks Timer2 as the window would: the countdown runs only while it is enabled.
    void tickTimer2();

    FakeCanvas picture1, picture3;
    FakeLabel label3, label4;
    FakeCaption xpButton2, xpButton5;
    FakeTimer timer1, timer2;
    std::vector<std::string> sounds;
    int second = 0;
    int waits = 0;
    bool abandonWaits = false;  // waitForEvents answers "the window is going away"

    // Runs inside the link hold, once per wait, before Timer1 ticks.
    std::function<void(int waitNumber)> duringHold;

    // When set, rnd() draws from here (cycling) instead of the start-up generator.
    std::vector<float> randomValues;
    std::size_t randomIndex = 0;
    StartupRandom generator;
};

// Builds a board by hand: '.' is empty, a letter A..Y is kind 1..25 present. Rows are the 12
// board rows, ring included; a row may be shorter than 16 (the rest is empty). Every cell is set.
void setBoard(const std::vector<std::string>& rows);

// Counts the tiles present on the board, per kind (index 0 unused).
std::vector<int> tilesPerKind();
int tilesOnBoard();

}  // namespace quorvane::testing
