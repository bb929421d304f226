// The program a player starts: one instance at a time, one window, the first level dealt.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdio>

#include "assets/assets.h"
#include "frmmain.h"
#include "version.h"

namespace {

QString lockPath() {
    const QString user = qEnvironmentVariable("USER", QStringLiteral("player"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("quorvane-%1.lock").arg(user));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(quorvane::kVersionText));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Quorvane: link two tiles of one kind with at most two bends to clear the board."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    // One game at a time: a second start ends at once and silently. A lock left behind by a run
    // that crashed names a process that no longer exists, and QLockFile takes it over.
    QLockFile lock(lockPath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        return 0;
    }

    quorvane::initAssets();
    // The buttons ask for a Song face at 9 points; these are the closest installed ones.
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("WenQuanYi Bitmap Song"),
                                                        QStringLiteral("AR PL UMing CN")});
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane_256.png")));

    quorvane::ui::FrmMainWindow window(QCoreApplication::applicationDirPath());
    window.Form_Load();
    return QApplication::exec();
}
