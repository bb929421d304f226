#include "soundplayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "platform.h"

namespace quorvane::ui {

SoundPlayer::SoundPlayer(QString appDir, QObject* parent)
    : QObject(parent), appDir_(std::move(appDir)) {}

QSoundEffect* SoundPlayer::effectFor(const QString& path) {
    auto found = effects_.find(path);
    if (found != effects_.end()) {
        return found->second;
    }
    QSoundEffect* effect = nullptr;
    if (QFileInfo(path).isFile()) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.emplace(path, effect);
    return effect;
}

void SoundPlayer::play(const QString& fileName) {
    ++started_;
    if (playing_ != nullptr) {
        playing_->stop();
        playing_ = nullptr;
    }
    QSoundEffect* effect = effectFor(appFile(appDir_, fileName));
    if (effect == nullptr || effect->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    effect->play();
    playing_ = effect;
}

}  // namespace quorvane::ui
