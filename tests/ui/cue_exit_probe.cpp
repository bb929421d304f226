// SPDX-License-Identifier: MIT
// Plays one cue and quits after the given delay: the exit stress test starts this hundreds of
// times to show that a cue still starting or playing never holds up or dirties the exit.
//
// Usage: cue_exit_probe SOUND_DIR DELAY_MS [prepare]; a SOUND_DIR of "-" is the game's own data
// folder, where the build places the cues.
#include <QApplication>
#include <QTimer>

#include "ui/sound/soundplayer.h"
#include "ui/system/platform.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 3) {
        return 2;
    }
    const QString given = QString::fromLocal8Bit(argv[1]);
    const QString dir = given == QStringLiteral("-") ? quorvane::ui::dataDir() : given;
    const int delay = QByteArray(argv[2]).toInt();
    quorvane::ui::SoundPlayer player(dir);
    if (argc > 3 && QByteArray(argv[3]) == "prepare") {
        player.prepare({"\\hit.wav", "\\and.wav"});
    }
    player.play("\\hit.wav");
    QTimer::singleShot(delay / 2, [&player] { player.play("\\and.wav"); });
    QTimer::singleShot(delay, &app, &QApplication::quit);
    return QApplication::exec();
}
