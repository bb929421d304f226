// SPDX-License-Identifier: MIT
// Whatever lies on disk, the game starts and stays playable.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <random>

#include "engine/engine.h"
#include "ui/board/form2.h"
#include "ui/frmmain.h"
#include "ui/sound/soundplayer.h"
#include "ui/system/platform.h"
#include "ui/system/positionstore.h"
#include "widgets/propertybag.h"
#include "widgets/xpbutton.h"
#include "window_support.h"

namespace quorvane::ui {
namespace {

void writeSettingsFile(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(BadSettings, AnyFileContentGivesAPositionAndAPlayableStart) {
    std::mt19937 random(5);
    QByteArray binary(4096, '\0');
    for (char& byte : binary) {
        byte = static_cast<char>(random());
    }
    const QByteArray huge = QByteArray("[SetLog]\nfrmMainX=") + QByteArray(8 << 20, '7') + "\n";
    const QList<QByteArray> files = {
        "[SetLog]\nfrmMainX=12",  // truncated mid-file
        "[SetLog]\nfrmMa",        // truncated mid-key
        binary,
        huge,
        "[SetLog]\nfrmMainX=99999999999999999999\nfrmMainY=-99999999999999\n",
        "[SetLog]\nfrmMainX=abc\nfrmMainY=1e5\n",
        "[SetLog]\nfrmMainX=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10QVariantMap)\n",
        "[SetLog]\nfrmMainX=1, 2, 3\nfrmMainY=\n",
    };
    for (const QByteArray& content : files) {
        QTemporaryDir folder;
        const testing::SettingsFolder settings(folder.path());
        writeSettingsFile(content);
        const QPoint position = loadWindowPosition(QPoint(111, 222));
        EXPECT_TRUE(position.x() == 111 || position.x() == 12) << content.left(60).toStdString();
        EXPECT_EQ(position.y(), 222) << content.left(60).toStdString();

        FrmMainWindow window(dataDir());
        window.Form_Load();
        EXPECT_GE(window.savedLeft(), 0);
        EXPECT_GE(window.savedTop(), 0);
        EXPECT_EQ(playing, True);
        window.close();  // saving over the broken file must work too
        EXPECT_NE(loadWindowPosition(QPoint(-1, -1)), QPoint(-1, -1));
    }
}

TEST(BadSettings, AStoreThatCannotBeWrittenIsLeftAloneSilently) {
    // A settings folder inside a plain file can never be created, whoever runs the test.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const testing::SettingsFolder settings(blocker.fileName());
    saveWindowPosition(QPoint(10, 20));
    EXPECT_EQ(loadWindowPosition(QPoint(3, 4)), QPoint(3, 4));
    {
        FrmMainWindow window(dataDir());
        window.Form_Load();
        window.close();
    }
}

TEST(MissingFiles, SoundsThatAreMissingOrCorruptOnlyChangeWhatIsHeard) {
    QTemporaryDir dir;
    QFile corrupt(dir.filePath("and.wav"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24);
    corrupt.close();
    SoundPlayer player(dir.path());
    for (int i = 0; i < 20; ++i) {
        player.play("\\hit.wav");  // missing
        player.play("\\and.wav");  // corrupt
        player.play("\\..\\..\\etc\\passwd");
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(player.cuesStarted(), 60);
}

TEST(MissingFiles, HelpKeyWithoutAHelpPageOpensNothing) {
    QTemporaryDir dir;
    const Desktop saved = desktop();
    int opened = 0;
    desktop().open = [&opened](const QUrl&) { ++opened; };
    FrmMainWindow window(dir.path());
    window.Form_Load();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &f1);
    EXPECT_EQ(opened, 0);
    QFile help(dir.filePath("help.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    QCoreApplication::sendEvent(&window, &f1);
    EXPECT_EQ(opened, 1);
    desktop() = saved;
}

TEST(MissingFiles, APictureThatCannotBeReadBecomesAGreyStandInOfItsSize) {
    const QImage missing = loadPicture(":/form2/no-such-picture.png", QSize(39, 39));
    EXPECT_EQ(missing.size(), QSize(39, 39));
    EXPECT_EQ(missing.pixel(20, 20), qRgb(128, 128, 128));
    QTemporaryDir dir;
    QFile corrupt(dir.filePath("broken.png"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG\r\n\x1a\n but nothing after the signature");
    corrupt.close();
    EXPECT_EQ(loadPicture(corrupt.fileName(), QSize(450, 10)).size(), QSize(450, 10));
}

// Random damage to the stored button layout: the reader and the button take whatever comes.
TEST(BadLayout, MutatedLayoutsNeverCrashTheReaderOrTheButtons) {
    QFile source(":/ui/buttons.layout");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray original = source.readAll();
    std::mt19937 random(1207);
    const QList<QByteArray> inserts = {
        "=",
        "[",
        "]",
        "\"",
        "\\",
        "&H",
        "&HFFFFFFFFFFFFFFFF",
        "-99999999999",
        "99999999999",
        "\n",
        "ButtonStyle = 99\n",
        "CapAlign = -5\n",
        "Font = \"\", -3, bold\n",
        "mIcon = \":/nope.png\", 99999, -1\n",
        "Mode = 2\nValue = -1\n",
        "cBack = &H80000099\n",
        "LockHover = 77\n",
        "\xff\xfe\x00",
        "Caption = \"" + QByteArray(100000, 'W') + "\"\n",
        "UnknownKey = 1\n",
    };
    for (int round = 0; round < 300; ++round) {
        QByteArray text = original;
        for (int edits = 1 + static_cast<int>(random() % 8); edits > 0; --edits) {
            const int at = static_cast<int>(random() % (text.size() + 1));
            switch (random() % 3) {
                case 0:
                    text.insert(at, inserts[static_cast<int>(random() % inserts.size())]);
                    break;
                case 1:
                    text.remove(at, static_cast<int>(random() % 40));
                    break;
                default:
                    if (at < text.size()) {
                        text[at] = static_cast<char>(random());
                    }
                    break;
            }
        }
        const qm::PropertyBag bag = qm::PropertyBag::Parse(QString::fromUtf8(text));
        for (const char* name : {"XPButton1", "XPButton3", "XPButton6"}) {
            qm::XPButton button;
            button.resize(80, 33);
            button.ReadProperties(bag.Section(QString::fromLatin1(name)));
            QImage image(80, 33, QImage::Format_ARGB32);
            button.render(&image);
        }
    }
    SUCCEED();
}

}  // namespace
}  // namespace quorvane::ui
