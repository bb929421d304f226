// SPDX-License-Identifier: MIT
// The engine's two ways out: to the main window's controls and to the program that hosts it.
//
// The engine paints, writes captions and drives timers on the controls of the main window
// (frmMain) and copies pictures out of the hidden picture form (Form2): that is WindowControls,
// whose members are named after the controls they stand for, so frmMain().Picture1 is the
// board canvas. Everything else it needs from the program around it (the random source, the
// clock, the sound cues, waiting for events, the fatal-error box) is HostServices, reached
// through host(). The window fills in the one and implements the other; so do the tests, with a
// recording fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// A picture of the hidden form, named by what it is: Picture1(0..49) tile faces, Picture2(0..3)
// link pieces, Picture3 the pause banner, Picture4 the full time bar, Picture5(0..1) banners.
struct Form2Picture {
    enum class Set : std::uint8_t { Picture1, Picture2, Picture3, Picture4, Picture5 };
    Set set;
    int index;

    friend bool operator==(const Form2Picture&, const Form2Picture&) = default;
};

namespace Form2 {
inline constexpr Form2Picture Picture1(int i) {
    return {Form2Picture::Set::Picture1, i};
}
inline constexpr Form2Picture Picture2(int i) {
    return {Form2Picture::Set::Picture2, i};
}
inline constexpr Form2Picture Picture3 = {Form2Picture::Set::Picture3, 0};
inline constexpr Form2Picture Picture4 = {Form2Picture::Set::Picture4, 0};
inline constexpr Form2Picture Picture5(int i) {
    return {Form2Picture::Set::Picture5, i};
}
}  // namespace Form2

// 0x00BBGGRR, as the window's colours are stored.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0;

// A picture box that keeps what is drawn on it.
class Canvas {
  public:
    virtual ~Canvas() = default;
    // Clears back to the box's own picture (or its back colour when it has none).
    virtual void Cls() = 0;
    // Copies the whole picture, scaled to w x h, with its top-left corner at (x, y).
    virtual void PaintPicture(Form2Picture picture, int x, int y, int w, int h) = 0;
    // A line from (x1, y1) towards (x2, y2), the end point left out.
    virtual void Line(int x1, int y1, int x2, int y2, Colour colour) = 0;
};

// A label the engine writes and shows or hides.
class Label {
  public:
    virtual ~Label() = default;
    virtual void setCaption(std::string_view utf8) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// A button whose caption the engine writes.
class Caption {
  public:
    virtual ~Caption() = default;
    virtual void setCaption(std::string_view utf8) = 0;
};

// A window timer: enabling starts a fresh interval; an interval of 0 never fires.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setInterval(int milliseconds) = 0;
};

// The controls of the main window the engine works on. The window and the tests fill one in
// with controls of their own.
struct WindowControls {
    Canvas& Picture1;    // the board, 640 x 480
    Canvas& Picture3;    // the time bar, 450 x 10
    Label& Label3;       // the level number
    Label& Label4;       // the next-level link
    Caption& XPButton2;  // pause / start
    Caption& XPButton5;  // hint
    Timer& Timer1;       // the delay clock of the link hold
    Timer& Timer2;       // the countdown
};

// What the program around the window lends the engine.
class HostServices {
  public:
    virtual ~HostServices() = default;

    // Lets the event loop run until at least one event was handled, without spinning. Returns
    // false when the window is going away and a wait must be abandoned.
    virtual bool waitForEvents() = 0;

    // Starts a cue from the game's data folder ("\hit.wav" and so on) and returns at once; a new
    // cue cuts off the one playing.
    virtual void playSound(std::string_view fileName) = 0;

    // Shows the message and ends the program at once. A test fake may throw instead.
    virtual void fatalError(std::string_view utf8Message) = 0;

    // The second of the current minute, 0..59.
    virtual int clockSecond() = 0;

    // The next value of the uniform random source, in [0, 1).
    virtual float rnd() = 0;
};

// The window and host the engine works with. Attach both before calling any engine routine;
// attach nullptr to detach.
void attachWindow(const WindowControls* controls, HostServices* services);
const WindowControls& frmMain();
HostServices& host();

}  // namespace quorvane
