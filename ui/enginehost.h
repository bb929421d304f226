// SPDX-License-Identifier: MIT
// What the engine reaches of the program: the window's controls it paints on, writes captions to
// and drives timers on, and the services around them (random numbers, the clock, sound cues,
// waiting for events, the fatal-error box). Owns the two timers, the sound player and the random
// source; while it lives the engine works on it.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string_view>

#include "engine/random.h"
#include "engine/window.h"
#include "ui/intervaltimer.h"

class QLabel;
class QWidget;
namespace qm {
class XPButton;
}

namespace quorvane::ui {

class PictureBox;
class SoundPlayer;

// A text the engine writes ("暂停", "求助 7" ...) in the game's language.
QString engineText(std::string_view utf8);

class EngineHost : public QObject, public HostServices {
    Q_OBJECT
  public:
    // The widgets behind the engine's controls.
    struct Widgets {
        PictureBox* board;
        PictureBox* timeBar;
        QLabel* levelNumber;
        QLabel* nextLevelLink;
        qm::XPButton* pauseButton;
        qm::XPButton* hintButton;
    };

    // Attaches itself to the engine. The sounds are looked for in dataDir; owner is the window the
    // fatal-error box belongs to.
    EngineHost(const QString& dataDir, const Widgets& widgets, QWidget* owner);
    ~EngineHost() override;

    bool waitForEvents() override;
    void playSound(std::string_view fileName) override;
    void fatalError(std::string_view utf8Message) override;
    int clockSecond() override;
    float rnd() override;

    // The window is closing: both timers stop and every wait, now and later, is abandoned.
    void shutDown();

    // Reads the cue files and opens the sound device, so that even the first cue starts at once.
    void prepareSounds();
    // Calls prepareSounds when the player first moves the mouse, presses a button or a key or
    // turns the wheel anywhere in the program: before the first press plays a cue, while a game
    // nobody has touched yet holds no connection to the sound server. The window asks for it
    // after its first frame, which needs no sound.
    void prepareSoundsOnFirstInput();

    IntervalTimer& holdTimer() { return holdTimer_; }
    IntervalTimer& countdown() { return countdown_; }
    SoundPlayer& sounds() { return *sounds_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class LabelAdapter : public Label {
      public:
        explicit LabelAdapter(QLabel* label) : label_(label) {}
        void setCaption(std::string_view utf8) override;
        void setVisible(bool visible) override;
        void setEnabled(bool enabled) override;

      private:
        QLabel* label_;
    };

    class ButtonCaption : public Caption {
      public:
        explicit ButtonCaption(qm::XPButton* button) : button_(button) {}
        void setCaption(std::string_view utf8) override;

      private:
        qm::XPButton* button_;
    };

    QWidget* owner_;
    LabelAdapter levelNumber_;
    LabelAdapter nextLevelLink_;
    ButtonCaption pauseCaption_;
    ButtonCaption hintCaption_;
    IntervalTimer holdTimer_{200};
    IntervalTimer countdown_{2500};
    WindowControls controls_;  // the widgets and the adapters above, as the engine names them
    StartupRandom random_;
    std::unique_ptr<SoundPlayer> sounds_;
    bool closing_ = false;
};

}  // namespace quorvane::ui
