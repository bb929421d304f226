// SPDX-License-Identifier: MIT
// The real window, offscreen, under random input and under a bot that plays every level.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <random>

#include "engine/engine.h"
#include "game_invariants.h"
#include "link_oracle.h"
#include "ui/board/boardview.h"
#include "ui/enginehost.h"
#include "ui/frame/frameimage.h"
#include "ui/frame/linklabel.h"
#include "ui/frame/skinnedframe.h"
#include "ui/frmmain.h"
#include "ui/system/platform.h"
#include "widgets/xpbutton.h"
#include "window_support.h"

namespace quorvane::ui {
namespace {

using testing::cellCentre;
using testing::expectConsistentGame;
using testing::Pos;

long residentKib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

class Robustness : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = desktop();
        desktop().askYesNo = [this](QWidget*, const QString&, const QString&) { return answerYes; };
        desktop().inform = [](QWidget*, const QString&, const QString&) {};
        desktop().open = [](const QUrl&) {};
        window = std::make_unique<FrmMainWindow>(dataDir());
        window->Form_Load();
        // The link hold waits for two ticks of this timer; let it tick fast.
        window->engineHost().holdTimer().setInterval(1);
    }
    void TearDown() override {
        window.reset();
        desktop() = saved;
    }

    QWidget* boardView() const { return window->boardView(); }

    // A click as a player makes it: when the press starts a link hold, the button comes up
    // while the link is still on screen.
    void pressCellAt(Pos p) {
        const QPoint at = cellCentre(p.row, p.col);
        bool released = false;
        QTimer::singleShot(0, window.get(), [&] {
            released = true;
            QTest::mouseRelease(boardView(), Qt::LeftButton, {}, at);
        });
        QTest::mousePress(boardView(), Qt::LeftButton, {}, at);
        if (!released) {
            QCoreApplication::processEvents();
        }
    }

    void click(Command command) {
        QTest::mouseClick(window->commands().button(command), Qt::LeftButton);
    }

    void clickNextLevelLink() {
        QTest::mouseClick(window->nextLevelLink(), Qt::LeftButton, {}, QPoint(3, 3));
    }

    Desktop saved;
    bool answerYes = true;
    std::unique_ptr<FrmMainWindow> window;
};

TEST_F(Robustness, ThousandsOfRandomEventsOnEveryLevelKeepTheGameConsistent) {
    std::mt19937 random(20261207);
    const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
    const int events = 4000;
    for (int i = 0; i < events; ++i) {
        const int action = pick(14);
        // Some input arrives while a link may be held on screen: queue it for the event loop.
        if (pick(8) == 0) {
            const int queued = pick(3);
            QTimer::singleShot(0, window.get(), [this, queued] {
                if (queued == 0) {
                    click(Command::Hint);
                } else if (queued == 1) {
                    click(Command::Pause);
                } else {
                    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(300, 200));
                }
            });
        }
        switch (action) {
            case 0:
            case 1:
            case 2: {
                const QPoint at(pick(640), pick(480));
                QTest::mouseClick(boardView(), static_cast<Qt::MouseButton>(1 << pick(3)), {}, at);
                break;
            }
            case 3: {
                const QPointF at(pick(640), pick(480));
                QMouseEvent move(QEvent::MouseMove, at, boardView()->mapToGlobal(at), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(boardView(), &move);
                break;
            }
            case 4:
                click(Command::Pause);
                break;
            case 5:
                answerYes = pick(2) == 0;
                click(Command::Restart);
                break;
            case 6:
                click(Command::Hint);
                break;
            case 7:
                clickNextLevelLink();
                break;
            case 8:
                for (int t = pick(40); t > 0; --t) {
                    if (window->engineHost().countdown().isEnabled()) {
                        countdownTick();
                    }
                }
                break;
            case 9: {
                // A linkable pair, pressed on purpose, so levels do get cleared.
                for (int n = pick(30); n > 0 && playing == True && paused == False; --n) {
                    const auto pair = testing::linkablePair();
                    if (!pair) {
                        break;
                    }
                    pressCellAt(pair->first);
                    pressCellAt(pair->second);
                }
                break;
            }
            case 10: {
                QResizeEvent resize(window->size(), window->size());
                QApplication::sendEvent(window.get(), &resize);
                break;
            }
            case 11: {
                QKeyEvent key(QEvent::KeyPress, pick(2) == 0 ? Qt::Key_F1 : Qt::Key_Space,
                              Qt::NoModifier);
                QApplication::sendEvent(window.get(), &key);
                break;
            }
            case 12: {
                // Over the close image, then a press on the minimise image that comes up off it.
                FrameImage* close = window->skinnedFrame().closeImage();
                QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                                 close->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
                QApplication::sendEvent(close, &move);
                FrameImage* minimise = window->skinnedFrame().minimiseImage();
                QTest::mousePress(minimise, Qt::LeftButton);
                QTest::mouseRelease(minimise, Qt::LeftButton, {}, QPoint(-5, -5));
                break;
            }
            case 13:
                // Every level gets its turn.
                level = static_cast<int16>(1 + pick(12));
                startLevel();
                break;
            default:
                break;
        }
        QCoreApplication::processEvents();
        expectConsistentGame("event " + std::to_string(i));
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_F(Robustness, ABotClearsAllTwelveLevelsAgainAndAgainWithFlatMemory) {
    long afterFirstLevel = 0;
    int levelsCleared = 0;
    for (int round = 0; round < 3; ++round) {
        level = 1;
        startLevel();
        for (int played = 1; played <= 12; ++played) {
            const int16 playing_level = level;
            int guard = 0;
            while (playing == True && ++guard < 2000) {
                const auto pair = testing::linkablePair();
                if (pair) {
                    pressCellAt(pair->first);
                    pressCellAt(pair->second);
                } else if (hintsLeft > 0) {
                    click(Command::Hint);
                } else {
                    // A dead board: the next press on a second tile reshuffles it.
                    for (int r = 2; r <= 11 && guard > 0; ++r) {
                        for (int c = 2; c <= 15; ++c) {
                            if (board[r][c].present == 1 && (r != pickRow || c != pickCol)) {
                                pressCellAt({r, c});
                                r = 12;
                                break;
                            }
                        }
                    }
                }
                expectConsistentGame("bot move");
                if (HasFatalFailure()) {
                    return;
                }
            }
            ASSERT_EQ(levelOver, True) << "level " << playing_level;
            if (pairsRemoved == 70) {
                ++levelsCleared;
                EXPECT_EQ(level, std::min(12, playing_level + 1));
            }
            if (round == 0 && played == 1) {
                afterFirstLevel = residentKib();
            }
            clickNextLevelLink();
        }
    }
    EXPECT_GE(levelsCleared, 30);
    const long growth = residentKib() - afterFirstLevel;
    std::printf("resident memory: %ld KiB after the first level, %+ld KiB after 36 levels\n",
                afterFirstLevel, growth);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(growth, 4096) << "memory grows from level to level";
#endif
}

}  // namespace
}  // namespace quorvane::ui
