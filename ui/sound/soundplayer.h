// SPDX-License-Identifier: MIT
// Plays the four cue files from the game's data folder without blocking the game.
#pragma once

#include <QString>
#include <map>
#include <memory>
#include <optional>

#include "ui/sound/cueoutput.h"
#include "ui/sound/wavefile.h"

namespace quorvane::ui {

class SoundPlayer {
  public:
    // Plays through the desktop's audio device, or through the given output.
    explicit SoundPlayer(QString dataDir, std::unique_ptr<CueOutput> output = nullptr);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the cue and returns at once; a cue still playing is cut off. A file that is missing
    // or unreadable gives the desktop's beep instead, and the game goes on.
    void play(const QString& fileName);

    // Reads the cue files and opens the audio device now, so the first cue starts at once.
    void prepare(const QStringList& fileNames);

    // How many cues were asked for so far, heard or not.
    int cuesStarted() const { return cuesStarted_; }
    // Whether any cue file has been read, by prepare or play.
    bool holdsCues() const { return !waves_.empty(); }

  private:
    const std::optional<Wave>& waveFor(const QString& fileName);

    QString dataDir_;
    std::unique_ptr<CueOutput> output_;
    std::map<QString, std::optional<Wave>> waves_;
    int cuesStarted_ = 0;
};

}  // namespace quorvane::ui
