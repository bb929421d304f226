// The real window, offscreen, under random input and under a bot that plays every level.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSettings>
#include <QTimer>
#include <fstream>
#include <random>

#include "engine/engine.h"
#include "link_oracle.h"
#include "ui/frameimage.h"
#include "ui/frmmain.h"
#include "ui/platform.h"

namespace quorvane::ui {
namespace {

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

bool isFlag(flag f) {
    return f == True || f == False;
}

// What must hold between any two events, whatever the player did.
void expectInvariants(const char* after) {
    int tiles = 0;
    std::array<int, kKinds + 1> perKind{};
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            const Cell& cell = board[r][c];
            const bool inner = r >= 2 && r <= 11 && c >= 2 && c <= 15;
            ASSERT_TRUE(cell.present == 0 || cell.present == 1) << after;
            if (cell.present == 1) {
                ASSERT_TRUE(inner) << after << ": a tile in the ring at " << r << "," << c;
                ASSERT_GE(cell.kind, 1) << after;
                ASSERT_LE(cell.kind, kKinds) << after;
                ++perKind[cell.kind];
                ++tiles;
            }
        }
    }
    for (int k = 1; k <= kKinds; ++k) {
        ASSERT_EQ(perKind[k] % 2, 0) << after << ": kind " << k << " has an odd count";
    }
    ASSERT_EQ(tiles + 2 * pairsRemoved, 140) << after;
    ASSERT_GE(timeLeft, 0) << after;
    ASSERT_LE(timeLeft, 150) << after;
    ASSERT_TRUE(searchIdle()) << after;
    ASSERT_EQ(pathTop, 1) << after;
    ASSERT_FALSE(holdingLink) << after;
    ASSERT_TRUE(isFlag(playing) && isFlag(levelOver) && isFlag(paused) && isFlag(removeOnLink) &&
                isFlag(probeFound))
        << after;
    ASSERT_EQ(removeOnLink, True) << after;
    ASSERT_GE(level, 1) << after;
    ASSERT_LE(level, 12) << after;
}

class Robustness : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = desktop();
        desktop().askYesNo = [this](QWidget*, const QString&, const QString&) { return answerYes; };
        desktop().inform = [](QWidget*, const QString&, const QString&) {};
        desktop().open = [](const QUrl&) {};
        window = std::make_unique<FrmMainWindow>(QCoreApplication::applicationDirPath());
        window->Form_Load();
        // The link hold waits for two ticks of this timer; let it tick fast.
        window->Timer1().setInterval(1);
    }
    void TearDown() override {
        window.reset();
        desktop() = saved;
    }

    // A click as a player makes it: when the press starts a link hold, the button comes up
    // while the link is still on screen.
    void pressCellAt(Pos p) {
        const QPointF at((p.col - 1) * 40 + 20, (p.row - 1) * 40 + 20);
        bool released = false;
        QTimer::singleShot(0, window.get(), [&] {
            released = true;
            window->boardReleased(Qt::LeftButton, at);
        });
        window->boardPressed(Qt::LeftButton, at);
        if (!released) {
            QCoreApplication::processEvents();
        }
    }

    void clickLabel4() {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), QPointF(3, 3),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->label4(), &press);
        QApplication::sendEvent(window->label4(), &release);
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
                    window->hintClicked();
                } else if (queued == 1) {
                    window->pauseClicked();
                } else {
                    window->boardPressed(Qt::LeftButton, QPointF(300, 200));
                }
            });
        }
        switch (action) {
            case 0:
            case 1:
            case 2: {
                const QPointF at(pick(640), pick(480));
                window->boardPressed(static_cast<Qt::MouseButton>(1 << pick(3)), at);
                window->boardReleased(Qt::LeftButton, at);
                break;
            }
            case 3:
                window->boardMoved(QPointF(pick(640), pick(480)));
                break;
            case 4:
                window->pauseClicked();
                break;
            case 5:
                answerYes = pick(2) == 0;
                window->restartClicked();
                break;
            case 6:
                window->hintClicked();
                break;
            case 7:
                clickLabel4();
                break;
            case 8:
                for (int t = pick(40); t > 0; --t) {
                    if (window->Timer2().isEnabled()) {
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
            case 10:
                window->Form_Resize();
                break;
            case 11: {
                QKeyEvent key(QEvent::KeyPress, pick(2) == 0 ? Qt::Key_F1 : Qt::Key_Space,
                              Qt::NoModifier);
                QApplication::sendEvent(window.get(), &key);
                break;
            }
            case 12:
                window->imClose()->pointerMoved();
                window->imMin()->buttonPressed();
                window->imMin()->buttonReleased();
                break;
            case 13:
                // Every level gets its turn.
                level = static_cast<int16>(1 + pick(12));
                startLevel();
                break;
            default:
                break;
        }
        QCoreApplication::processEvents();
        expectInvariants(("event " + std::to_string(i)).c_str());
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
                    window->hintClicked();
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
                expectInvariants("bot move");
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
            clickLabel4();
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
