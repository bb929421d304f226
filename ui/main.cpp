// SPDX-License-Identifier: MIT
// The program a player starts: one instance at a time, one window, the first level dealt.
#include <malloc.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <csignal>
#include <cstdio>

#include "assets/assets.h"
#include "assets/assets2x.h"
#include "ui/frmmain.h"
#include "ui/system/display.h"
#include "ui/system/language.h"
#include "ui/system/platform.h"
#include "ui/system/signalwatch.h"
#include "ui/system/singleinstance.h"
#include "version.h"
#include "widgets/xppicture.h"

namespace {

// A later start asked for the game: the window comes back from the task bar, above the others,
// with the keyboard. A Wayland compositor gives a window the focus only with the launcher's
// token; Qt hands XDG_ACTIVATION_TOKEN over with the activation.
void bringForward(QWidget& window, const quorvane::ui::ForwardRequest& request) {
    if (!request.activationToken.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", request.activationToken);
    }
    window.showNormal();
    window.raise();
    window.activateWindow();
    // Used or not, it is no token for a program the game starts later.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

// Parses the command line; --help and --version print and end the program here. Gives the
// language to play in, or nothing for a language the game does not speak.
std::optional<QString> parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Quorvane: link two tiles of one kind with at most two bends to clear the board."));
    parser.addHelpOption();
    parser.addVersionOption();
    // Read once: the list comes from the translations built in.
    const QStringList languages = quorvane::ui::spokenLanguages();
    const QString spoken = languages.join(QStringLiteral(", "));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Play in <language>, one of %1. By default, the desktop's language.")
            .arg(spoken),
        QStringLiteral("language"));
    parser.addOption(languageOption);
    parser.process(app);
    if (!parser.isSet(languageOption)) {
        return quorvane::ui::languageForDesktop(QLocale::system().uiLanguages(), languages);
    }
    const std::optional<QString> chosen =
        quorvane::ui::languageNamed(parser.value(languageOption), languages);
    if (!chosen) {
        std::fprintf(stderr, "quorvane: no language \"%s\"; one of %s\n",
                     qPrintable(parser.value(languageOption)), qPrintable(spoken));
    }
    return chosen;
}

bool onlyAsksForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "-?" ||
            arg == "--version" || arg == "-v") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(quorvane::kVersionText));
    // A Wayland compositor finds the window's icon and name through its app_id, which must name
    // the desktop entry the package installs.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(quorvane::ui::kApplicationId));
    if (onlyAsksForText(argc, argv)) {
        // No display needed to print a line of text.
        QCoreApplication textOnly(argc, argv);
        parseCommandLine(textOnly);
        return 0;
    }

    // One game at a time, settled first: a later start finds the game running, asks it to come
    // forward and ends, without a display connection of its own. What a lock file left behind by
    // a crash or a power cut holds does not matter, only a live holder does. Where no lock can be
    // had at all, the game starts anyway.
    quorvane::ui::SingleInstance instance(quorvane::ui::SingleInstance::privateFolders());
    if (instance.claim() == quorvane::ui::SingleInstance::Claim::Running) {
        instance.askToComeForward(quorvane::ui::ForwardRequest::fromEnvironment());
        return 0;
    }

    // A few threads of the libraries' own and the game's one thread would each get an arena of
    // their own from the allocator; one is plenty, and keeps the program small.
    mallopt(M_ARENA_MAX, 1);
    // Connecting to the display and reading the font configuration take about as long as each
    // other: both at once.
    quorvane::ui::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    const std::optional<QString> chosen = parseCommandLine(app);
    if (!chosen) {
        return 2;
    }
    const QString language = *chosen;
    quorvane::ui::useLanguage(language);

    quorvane::initAssets();
    // The buttons' pictures come decoded with the program, as the board's do.
    qm::XPPicture::SetReader(
        [](const QString& source) { return quorvane::loadAsset(source, 1.0); });
    // Text is laid out from here on.
    fontConfig.finish();
    // The buttons ask for a Song face at 9 points: the closest installed ones, scalable on a
    // scaled screen.
    quorvane::ui::setUpFonts(quorvane::ui::startupPixelRatio(), language);

    quorvane::ui::FrmMainWindow window(quorvane::ui::dataDir());
    // A logout (SIGHUP, SIGTERM) or Ctrl+C in a terminal ends the game as its close box does when
    // answered Yes: the position is saved and the program ends cleanly, without a question. Any
    // dialog that is open ends with the event loops.
    bool stopped = false;
    const quorvane::ui::SignalWatch stop({SIGTERM, SIGHUP, SIGINT}, [&window, &stopped](int) {
        stopped = true;
        window.close();
        QCoreApplication::exit(0);
    });
    QObject::connect(&window, &quorvane::ui::FrmMainWindow::firstFrameShown, [] {
        // The window manager shows the icon in its task list; the first frame need not wait.
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(
            quorvane::loadAsset(QStringLiteral(":/icons/quorvane_256.png"), 1.0))));
        // What starting up needed only for a moment goes back to the system.
        malloc_trim(0);
        quorvane::ui::releaseFontPages();
    });
    window.Form_Load();
    if (stopped) {
        return 0;  // stopped while the first level was being dealt, before the loop ran
    }
    instance.listen(&window, [&window](const quorvane::ui::ForwardRequest& request) {
        bringForward(window, request);
    });
    return QApplication::exec();
}
