// SPDX-License-Identifier: MIT
// A recording stand-in for the main window and its host: it remembers every call the engine
// makes, lets a test inject the random source and the clock, and drives the two timers by hand.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "board_layout.h"
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

    // What the canvas shows, pixel by pixel, as a player would see it: the picture painted there
    // last, the grid's black, or nothing (the box's own background, after a Cls).
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    enum class Shown : std::uint8_t { Nothing, Black, Tile, SelectedTile, LinkPiece, Banner };
    using Pixels = std::vector<Shown>;
    Pixels pixels = Pixels(kWidth * kHeight, Shown::Nothing);
    Shown at(int x, int y) const { return shownIn(pixels, x, y); }
    static Shown shownIn(const Pixels& pixels, int x, int y) {
        const bool inside = x >= 0 && x < kWidth && y >= 0 && y < kHeight && !pixels.empty();
        return inside ? pixels[static_cast<std::size_t>(y * kWidth + x)] : Shown::Nothing;
    }

  private:
    void fill(int x, int y, int w, int h, Shown what);
};

class FakeLabel : public Label {
  public:
    void setCaption(std::string_view utf8) override { caption = utf8; }
    void setVisible(bool v) override { visible = v; }
    void setEnabled(bool e) override { enabled = e; }
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
    bool enabled = false;
    int intervalMs = 0;
};

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FakeWindow : public HostServices {
  public:
    FakeWindow();
    ~FakeWindow() override;

    // One pass of the event loop during a link hold: runs the test's hook (if any), then lets an
    // enabled hold timer tick once.
    bool waitForEvents() override;
    void playSound(std::string_view fileName) override { sounds.emplace_back(fileName); }
    void fatalError(std::string_view message) override { throw FatalError(std::string(message)); }
    int clockSecond() override { return second; }
    float rnd() override;

    // Ticks the countdown as the window would: it runs only while enabled.
    void tickTimer2();

    FakeCanvas boardCanvas, timeBar;
    FakeLabel levelLabel, nextLevelLink;
    FakeCaption pauseButton, hintButton;
    FakeTimer holdTimer, countdown;
    const WindowControls controls{.Picture1 = boardCanvas,
                                  .Picture3 = timeBar,
                                  .Label3 = levelLabel,
                                  .Label4 = nextLevelLink,
                                  .XPButton2 = pauseButton,
                                  .XPButton5 = hintButton,
                                  .Timer1 = holdTimer,
                                  .Timer2 = countdown};
    std::vector<std::string> sounds;
    int second = 0;
    int waits = 0;
    bool abandonWaits = false;  // waitForEvents answers "the window is going away"

    // Runs inside the link hold, once per wait, before the hold timer ticks.
    std::function<void(int waitNumber)> duringHold;

    // When set, rnd() draws from here (cycling) instead of the start-up generator.
    std::vector<float> randomValues;
    std::size_t randomIndex = 0;
    StartupRandom generator;
};

}  // namespace quorvane::testing
