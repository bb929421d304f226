// Plays the four cue files from the program's folder without blocking the game.
#pragma once

#include <QObject>
#include <QString>
#include <map>

class QSoundEffect;

namespace quorvane::ui {

class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    explicit SoundPlayer(QString appDir, QObject* parent = nullptr);

    // Starts the cue and returns at once; a cue still playing is cut off. A file that is missing
    // or unreadable gives the desktop's beep instead, and the game goes on.
    void play(const QString& fileName);

    // The cues started so far, for tests.
    int started() const { return started_; }

  private:
    QSoundEffect* effectFor(const QString& path);

    QString appDir_;
    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
    int started_ = 0;
};

}  // namespace quorvane::ui
