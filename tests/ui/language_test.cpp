// SPDX-License-Identifier: MIT
// The window in one language, at the scale of the run: QUORVANE_TEST_LANGUAGE (zh_CN, zh_TW or en)
// and QT_SCALE_FACTOR choose them, as the desktop would. Every word the player meets is whole:
// the captions, the question boxes and the banners.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "assets/assets.h"
#include "engine/captions.h"
#include "tests/ui/window_support.h"
#include "ui/board/form2.h"
#include "ui/enginehost.h"
#include "ui/frame/skinnedframe.h"
#include "ui/system/display.h"
#include "ui/system/language.h"

namespace quorvane::testing {
namespace {

using ui::Command;

// Where a label draws its text: the text's extent placed by the label's alignment.
QRect textRect(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    const QSize extent(metrics.horizontalAdvance(label->text()), metrics.height());
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), extent, label->contentsRect())
        .translated(label->pos());
}

void expectWhole(const qm::XPButton* button) {
    const QFontMetrics metrics(button->font());
    const QRect caption = button->CaptionRect();
    EXPECT_GE(caption.width(), metrics.horizontalAdvance(button->caption()))
        << button->caption().toStdString();
    EXPECT_LT(caption.height(), 2 * metrics.lineSpacing())
        << button->caption().toStdString() << " takes two lines";
}

void expectWhole(const QLabel* label) {
    const QRect text = textRect(label);
    EXPECT_TRUE(label->geometry().contains(text)) << label->text().toStdString();
    EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()))
        << label->text().toStdString() << " leaves its window";
}

class Words : public WindowTest {};

TEST_F(Words, EveryCaptionIsWholeOnOneLineInItsControl) {
    for (const Command command : {Command::Restart, Command::Pause, Command::Hint, Command::About,
                                  Command::WebSite, Command::Channel}) {
        expectWhole(button(command));
    }
    // The pause button's other caption, and the hint button's with two digits (it starts at 10).
    button(Command::Pause)->setCaption(ui::engineText(kResumeCaption));
    expectWhole(button(Command::Pause));
    EXPECT_EQ(button(Command::Hint)->caption(), ui::engineText(hintsCaption(10)));

    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (!label->text().isEmpty()) {
            expectWhole(label);
        }
    }
    // The link after a level, with its other caption.
    for (QLabel* label : labels) {
        if (label->text() == ui::engineText(kNextLevelCaption)) {
            label->setText(ui::engineText(kContinueCaption));
            expectWhole(label);
        }
    }
    // The level caption, the only words on the board's panel, keeps its words clear of the number.
    QList<QRect> level;
    for (const QLabel* label : labels) {
        if (label->parentWidget() != window.get() && !label->text().isEmpty()) {
            level << textRect(label);
        }
    }
    ASSERT_GE(level.size(), 2);
    for (qsizetype i = 0; i < level.size(); ++i) {
        for (qsizetype j = i + 1; j < level.size(); ++j) {
            EXPECT_FALSE(level[i].intersects(level[j]));
        }
    }
}

// Answers the box that opens next with `answer`, after looking at it.
void inspectNextBox(QMessageBox::StandardButton answer, QString* seen) {
    QTimer::singleShot(0, [answer, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *seen = box->text();
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                    << label->text().toStdString();
                if (!label->wordWrap()) {
                    EXPECT_GE(label->width(), label->sizeHint().width());
                }
            }
        }
        for (const QPushButton* pushButton : box->findChildren<QPushButton*>()) {
            EXPECT_GE(pushButton->width(), pushButton->sizeHint().width())
                << pushButton->text().toStdString();
        }
        // Qt's own words in the game's language.
        if (QAbstractButton* yesButton = box->button(QMessageBox::Yes)) {
            EXPECT_EQ(yesButton->text(), ui::writtenInChinese(ui::gameLanguage())
                                             ? QStringLiteral("是(&Y)")
                                             : QStringLiteral("&Yes"));
        }
        box->button(answer)->click();
    });
}

TEST_F(Words, TheQuestionsAndTheAboutBoxShowTheirWordsWhole) {
    ui::desktop() = desk.saved;  // the real boxes
    QString restart, close, about;
    inspectNextBox(QMessageBox::No, &restart);
    button(Command::Restart)->PerformClick();
    inspectNextBox(QMessageBox::No, &close);
    emit window->findChild<ui::SkinnedFrame*>()->closeClicked();
    inspectNextBox(QMessageBox::Ok, &about);
    button(Command::About)->PerformClick();
    EXPECT_EQ(restart, QCoreApplication::translate("Window", "你确定要重新载入游戏吗？"));
    EXPECT_EQ(close, QCoreApplication::translate("Window", "你确定要关闭并结束程序吗？"));
    EXPECT_TRUE(about.contains(QLatin1String("MIT")));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Words, FOneOpensTheHelpPageInTheGamesLanguage) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(desk.opened.size(), 1);
    EXPECT_EQ(desk.opened[0].fileName(),
              ui::fileNameFor(QStringLiteral("help.html"), ui::gameLanguage()));
}

// The band just inside a banner's frame is bare: no word reaches it, so none is cut by it.
TEST(Banners, TheWordsStayInsideTheirFrame) {
    const ui::Form2Pictures pictures(ui::startupPixelRatio());
    struct Banner {
        Form2Picture which;
        QRect inside;  // within the frame, in logical pixels
    };
    for (const Banner& banner : {Banner{Form2::Picture3, QRect(6, 6, 183, 134)},
                                 Banner{Form2::Picture5(0), QRect(2, 2, 358, 38)},
                                 Banner{Form2::Picture5(1), QRect(2, 2, 358, 38)}}) {
        const QImage& image = pictures.picture(banner.which);
        const qreal r = image.devicePixelRatio();
        const QRect inside(qRound(banner.inside.x() * r), qRound(banner.inside.y() * r),
                           qRound(banner.inside.width() * r), qRound(banner.inside.height() * r));
        const QRgb bare = image.pixel(inside.topLeft());
        const int band = qRound(2 * r);
        int inked = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const bool edge = x < inside.left() + band || x > inside.right() - band ||
                                  y < inside.top() + band || y > inside.bottom() - band;
                if (edge && image.pixel(x, y) != bare) {
                    ++inked;
                }
            }
        }
        EXPECT_EQ(inked, 0) << "banner " << static_cast<int>(banner.which.set) << " "
                            << banner.which.index;
    }
    // In English every banner is the English one; in Traditional Chinese the two with Chinese
    // words on them.
    const QString language = ui::gameLanguage();
    if (language != QLatin1String(ui::kOwnLanguage)) {
        ui::useLanguage(QString::fromLatin1(ui::kOwnLanguage));
        const ui::Form2Pictures own(ui::startupPixelRatio());
        const QImage ownPause = own.picture(Form2::Picture3);
        const QImage ownTimeOut = own.picture(Form2::Picture5(0));
        const QImage ownCleared = own.picture(Form2::Picture5(1));
        ui::useLanguage(language);
        EXPECT_NE(pictures.picture(Form2::Picture3), ownPause);
        EXPECT_NE(pictures.picture(Form2::Picture5(1)), ownCleared);
        EXPECT_EQ(pictures.picture(Form2::Picture5(0)) == ownTimeOut,
                  language == QLatin1String("zh_TW"));
    }
}

TEST(Language, FollowsTheDesktopsFirstLanguageTheGameSpeaks) {
    EXPECT_EQ(ui::spokenLanguages(), QStringList({"zh_CN", "en", "zh_TW"}));
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{}, "zh_CN"},
        {{"C"}, "zh_CN"},
        {{"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        {{"zh-SG", "zh-Hans-SG"}, "zh_CN"},
        {{"zh-TW", "zh-Hant-TW"}, "zh_TW"},
        {{"zh-HK", "zh-Hant-HK"}, "zh_TW"},
        {{"zh-MO"}, "zh_TW"},
        {{"zh-Hant"}, "zh_TW"},
        {{"en-US", "en-Latn-US", "en"}, "en"},
        {{"en-GB"}, "en"},
        {{"de-DE", "de-Latn-DE", "de"}, "en"},
        {{"de", "de-DE", "zh-CN", "zh"}, "zh_CN"},
        {{"fr-FR", "zh-TW"}, "zh_TW"},
    };
    for (const auto& [tags, expected] : cases) {
        EXPECT_EQ(ui::languageForDesktop(tags), expected) << tags.join(',').toStdString();
    }
    // A translation built in is spoken, by region first.
    const QStringList spoken = {"zh_CN", "en", "zh_TW", "pt", "pt_BR"};
    EXPECT_EQ(ui::languageForDesktop({"pt-BR", "pt-Latn-BR", "pt"}, spoken), "pt_BR");
    EXPECT_EQ(ui::languageForDesktop({"pt-PT", "pt"}, spoken), "pt");
    EXPECT_EQ(ui::languageNamed("zh-tw"), "zh_TW");
    EXPECT_EQ(ui::languageNamed("EN"), "en");
    EXPECT_EQ(ui::languageNamed("de"), std::nullopt);
    EXPECT_EQ(ui::languageNamed(""), std::nullopt);
}

}  // namespace
}  // namespace quorvane::testing

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const auto language =
        quorvane::ui::languageNamed(qEnvironmentVariable("QUORVANE_TEST_LANGUAGE"));
    quorvane::ui::useLanguage(language.value_or(QString::fromLatin1(quorvane::ui::kOwnLanguage)));
    quorvane::initAssets();
    quorvane::ui::initUiResources();
    quorvane::ui::setUpFonts(quorvane::ui::startupPixelRatio(), quorvane::ui::gameLanguage());
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir.path()));
    return RUN_ALL_TESTS();
}
