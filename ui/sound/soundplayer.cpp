// SPDX-License-Identifier: MIT
#include "ui/sound/soundplayer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "ui/sound/cueoutput.h"
#include "ui/system/platform.h"

namespace quorvane::ui {

namespace {

// The cues last a second or two; anything this large is not one of them.
constexpr qint64 kLargestCueBytes = 8 * 1024 * 1024;

std::optional<Wave> readWave(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestCueBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return decodeWave(file.read(kLargestCueBytes));
}

}  // namespace

SoundPlayer::SoundPlayer(QString dataDir, std::unique_ptr<CueOutput> output)
    : dataDir_(std::move(dataDir)), output_(std::move(output)) {
    if (output_ == nullptr) {
        output_ =
            std::make_unique<PulseAudioOutput>(QCoreApplication::applicationName().toStdString());
    }
}

SoundPlayer::~SoundPlayer() = default;

const std::optional<Wave>& SoundPlayer::waveFor(const QString& fileName) {
    const QString path = appFile(dataDir_, fileName);
    auto found = waves_.find(path);
    if (found == waves_.end()) {
        found = waves_.emplace(path, readWave(path)).first;
    }
    return found->second;
}

void SoundPlayer::prepare(const QStringList& fileNames) {
    for (const QString& name : fileNames) {
        const std::optional<Wave>& wave = waveFor(name);
        if (wave.has_value()) {
            output_->prepare(*wave);
        }
    }
}

void SoundPlayer::play(const QString& fileName) {
    ++cuesStarted_;
    output_->stop();
    const std::optional<Wave>& wave = waveFor(fileName);
    if (!wave.has_value()) {
        QApplication::beep();
        return;
    }
    output_->play(*wave);
}

}  // namespace quorvane::ui
