// SPDX-License-Identifier: MIT
// The window through QAccessible: a frame whose news tells what happens in the game, the board as
// a table of its playing cells, the time bar as a progress bar, the level caption as one text, and
// the cursor's cell announced as it moves.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <algorithm>

#include "assets/fruitnames.h"
#include "board_layout.h"
#include "engine/engine.h"
#include "ui/accessibility/announcements.h"
#include "ui/board/boardview.h"
#include "ui/enginehost.h"
#include "ui/frmmain.h"
#include "window_support.h"

namespace quorvane::ui {
namespace {

using testing::setBoard;

QString fruit(int kind) {
    const std::string_view name = kFruitNames.at(static_cast<std::size_t>(kind - 1)).chinese;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

class WindowAccessibility : public testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        QApplication::setActiveWindow(window.get());
    }

    BoardView* view() const { return window->boardView(); }
    QAccessibleInterface* table() const {
        return QAccessible::queryAccessibleInterface(window->boardView());
    }
    void arrow(Qt::Key k) {
        QTest::keyClick(window.get(), k);
        QCoreApplication::sendPostedEvents();
    }
};

TEST_F(WindowAccessibility, TheBoardIsATableOfItsPlayingCells) {
    setBoard({"", ".AB", "", "", "", "", "", "", "", "", ".............BY"});
    paintBoard();
    QAccessibleInterface* iface = table();
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* grid = iface->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(grid->columnCount(), 14);
    EXPECT_EQ(iface->childCount(), 140);
    EXPECT_EQ(grid->cellAt(10, 0), nullptr);
    EXPECT_EQ(grid->cellAt(0, 14), nullptr);

    // Cell (row 2, col 3) of the board is the table's row 0, column 1.
    QAccessibleInterface* cell = grid->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::ListItem);  // a screen reader reads one, not its row
    EXPECT_EQ(cell->text(QAccessible::Name), "第1行第2列 " + fruit(2));
    EXPECT_EQ(grid->cellAt(0, 2)->text(QAccessible::Name), "第1行第3列 空");
    EXPECT_EQ(grid->cellAt(9, 13)->text(QAccessible::Name), "第10行第14列 " + fruit(25));
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->rowIndex(), 0);
    EXPECT_EQ(place->columnIndex(), 1);
    EXPECT_EQ(place->table(), iface);
    EXPECT_EQ(cell->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(cell), 1);
    EXPECT_EQ(iface->child(1), cell);
    EXPECT_EQ(grid->cellAt(0, 1), cell);  // made once
    const QRect where = cell->rect();
    EXPECT_EQ(where.size(), QSize(40, 40));
    EXPECT_EQ(iface->childAt(where.center().x(), where.center().y()), cell);

    // A press through the cell's action selects it, as a click would.
    ASSERT_NE(cell->actionInterface(), nullptr);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(pickCol, 3);
    EXPECT_TRUE(cell->state().selected);
    EXPECT_TRUE(place->isSelected());
    EXPECT_EQ(cell->text(QAccessible::Name), "第1行第2列 " + fruit(2) + " 已选中");
    EXPECT_EQ(grid->selectedCellCount(), 1);
    EXPECT_EQ(grid->selectedCells().value(0), cell);
    // Pausing hides the board: nothing shows the selected look any more.
    togglePause();
    EXPECT_FALSE(cell->state().selected);
    EXPECT_EQ(grid->selectedCellCount(), 0);
    togglePause();

    // The cursor's cell is the focused child.
    arrow(Qt::Key_Down);
    arrow(Qt::Key_Down);
    arrow(Qt::Key_Right);
    QAccessibleInterface* focused = iface->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused, grid->cellAt(1, 1));
    EXPECT_TRUE(focused->state().focused);
    EXPECT_FALSE(cell->state().focused);
}

TEST_F(WindowAccessibility, TheTimeBarIsAProgressBarOfTheTimeLeft) {
    // The one progress bar beside the board.
    QAccessibleInterface* panel = table()->parent();
    ASSERT_NE(panel, nullptr);
    QAccessibleInterface* iface = nullptr;
    for (int i = 0; i < panel->childCount(); ++i) {
        if (panel->child(i)->role() == QAccessible::ProgressBar) {
            ASSERT_EQ(iface, nullptr);
            iface = panel->child(i);
        }
    }
    ASSERT_NE(iface, nullptr);
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 150);
    EXPECT_EQ(value->currentValue().toInt(), 150);
    countdownTick();
    countdownTick();
    EXPECT_EQ(value->currentValue().toInt(), 148);
    EXPECT_EQ(iface->text(QAccessible::Value), "148");
}

TEST_F(WindowAccessibility, TheLevelCaptionReadsAsOneText) {
    QLabel* number = window->levelNumber();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(number);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), "第 1 关");
    levelCleared();
    startLevel();
    EXPECT_EQ(iface->text(QAccessible::Name), "第 2 关");

    // The two words beside the number are not in the tree; everything else on the panel is.
    QAccessibleInterface* panel = iface->parent();
    ASSERT_NE(panel, nullptr);
    QStringList texts;
    bool boardSeen = false;
    for (int i = 0; i < panel->childCount(); ++i) {
        QAccessibleInterface* child = panel->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(panel->indexOfChild(child), i);
        texts << child->text(QAccessible::Name);
        boardSeen = boardSeen || child->object() == view();
    }
    EXPECT_EQ(panel->childCount(), 3);  // the board, the time bar and the level
    EXPECT_TRUE(boardSeen);
    EXPECT_FALSE(texts.contains("第"));
    EXPECT_FALSE(texts.contains("关"));
}

// The names the game reads out are the generator's fruit, kind for kind.
TEST(FruitNames, MatchTheFruitThePicturesShow) {
    const QRegularExpression entry(
        QStringLiteral(R"re(\{\s*"[^"]*"\s*,\s*"([a-z][a-z ]*)"\s*,\s*0x[0-9a-fA-F]+\s*\})re"));
    QStringList generator;
    QDirIterator files(QStringLiteral(QUORVANE_SOURCE_DIR "/tools"), {"*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        if (!text.contains(QStringLiteral("kFruits"))) {
            continue;
        }
        for (const QRegularExpressionMatch& m : entry.globalMatch(text)) {
            generator << m.captured(1);
        }
    }
    ASSERT_EQ(generator.size(), 25);
    for (std::size_t i = 0; i < kFruitNames.size(); ++i) {
        EXPECT_EQ(generator[static_cast<qsizetype>(i)].toStdString(), kFruitNames[i].english)
            << "kind " << i + 1;
        EXPECT_FALSE(kFruitNames[i].chinese.empty());
    }
}

// Qt hands events on only while a bridge to assistive technology is up: on X11 with an
// accessibility bus (accessible_session.sh runs these so). Elsewhere they are skipped, unless
// QUORVANE_REQUIRE_ACCESSIBILITY is set.
struct Announced {
    QAccessible::Event type;
    QObject* object;
    int child;
    QString name;
};

std::vector<Announced>& announced() {
    static std::vector<Announced> events;
    return events;
}

void record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    announced().push_back({event->type(), event->object(), event->child(),
                           iface != nullptr ? iface->text(QAccessible::Name) : QString()});
}

class WindowAccessibilityEvents : public WindowAccessibility {
  protected:
    void SetUp() override {
        WindowAccessibility::SetUp();
        QElapsedTimer waited;
        waited.start();
        const bool bridged = QGuiApplication::platformName() == QLatin1String("xcb");
        while (bridged && !QAccessible::isActive() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        if (!QAccessible::isActive()) {
            if (qEnvironmentVariableIsSet("QUORVANE_REQUIRE_ACCESSIBILITY")) {
                FAIL() << "accessibility never became active";
            }
            GTEST_SKIP() << "no accessibility bridge on this platform";
        }
        // The window's interface takes its first look at the game when it is made, which the
        // bridge may leave until later; from that look on, changes are news.
        QAccessible::queryAccessibleInterface(window.get());
        QCoreApplication::processEvents();
        EXPECT_EQ(accessibility::newsCount(window.get()), 0) << "the first look is silent";
        announced().clear();
        previous_ = QAccessible::installUpdateHandler(&record);
        recording_ = true;
    }
    void TearDown() override {
        if (recording_) {
            QAccessible::installUpdateHandler(previous_);
        }
        WindowAccessibility::TearDown();
    }
    // The board's events of one kind since the last look; forgets all recorded events.
    std::vector<Announced> take(QAccessible::Event type) {
        std::vector<Announced> out;
        for (const Announced& a : announced()) {
            if (a.object == view() && a.type == type && a.child >= 0) {
                out.push_back(a);
            }
        }
        announced().clear();
        return out;
    }

    bool recording_ = false;
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(WindowAccessibilityEvents, TheCursorsCellIsAnnouncedAsItMoves) {
    setBoard({"", ".AB", "", "", "", "", "", "", "", "", ".CC"});  // a pair: no reshuffle
    paintBoard();
    arrow(Qt::Key_Right);
    auto focus = take(QAccessible::Focus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].child, 0);
    EXPECT_EQ(focus[0].name, "第1行第1列 " + fruit(1));

    arrow(Qt::Key_Right);
    arrow(Qt::Key_Right);
    focus = take(QAccessible::Focus);
    ASSERT_EQ(focus.size(), 2u);
    EXPECT_EQ(focus[1].child, 2);
    EXPECT_EQ(focus[1].name, "第1行第3列 空");

    // A press says what became of the cell.
    arrow(Qt::Key_Left);
    take(QAccessible::Focus);
    QTest::keyClick(view(), Qt::Key_Space);
    // The look at the game runs once the press is over; the bridge may hold the loop meanwhile.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000 &&
           std::none_of(announced().begin(), announced().end(), [this](const Announced& a) {
               return a.object == view() && a.type == QAccessible::NameChanged;
           })) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const auto renamed = take(QAccessible::NameChanged);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].name, "第1行第2列 " + fruit(2) + " 已选中");

    // Back by Tab, the cell is announced again; paused, nothing is.
    QTest::keyClick(view(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), view());
    QCoreApplication::processEvents();  // the cell after the board's own focus
    focus = take(QAccessible::Focus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].child, 1);
    togglePause();
    arrow(Qt::Key_Down);
    EXPECT_TRUE(take(QAccessible::Focus).empty());
}

TEST_F(WindowAccessibilityEvents, EachChangeOfTheGameIsToldOnceInWords) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), window->title());
    QAccessibleInterface* status = frame->child(frame->childCount() - 1);
    ASSERT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(frame->indexOfChild(status), frame->childCount() - 1);
    QAccessibleInterface* news = status->child(0);
    ASSERT_EQ(news->role(), QAccessible::Notification);
    EXPECT_EQ(news->parent(), status);

    setBoard({"", ".A.A", "", "", "", "", "", "", "", "", ".BB"});
    paintBoard();
    pickRow = pickCol = prevPickRow = prevPickCol = 1;
    QCoreApplication::processEvents();
    int told = accessibility::newsCount(window.get());
    // What one step made heard: one piece of news, or why not.
    const auto heard = [&] {
        QCoreApplication::processEvents();
        const int now = accessibility::newsCount(window.get());
        const QString last = accessibility::lastNews(window.get());
        const int count = now - told;
        told = now;
        return count == 1 ? last : QStringLiteral("%1 news, the last %2").arg(count).arg(last);
    };
    const auto tick = [&] { emit window->engineHost().countdown().timeout(); };

    view()->clickCell(2, 2);
    EXPECT_EQ(heard(), "已选中");
    EXPECT_EQ(news->text(QAccessible::Name), "已选中");
    view()->clickCell(2, 4);
    EXPECT_EQ(heard(), "消除 " + fruit(1));
    QTest::keyClick(window.get(), Qt::Key_P);
    EXPECT_EQ(heard(), "游戏暂停");
    QTest::keyClick(window.get(), Qt::Key_P);
    EXPECT_EQ(heard(), "游戏继续");
    QTest::keyClick(window.get(), Qt::Key_T);
    EXPECT_EQ(heard(), "剩余时间 100%，第 1 关");

    // The time running low is told once at a quarter and once at a tenth, not at every tick.
    timeLeft = 40;
    tick();
    EXPECT_EQ(heard(), "0 news, the last 剩余时间 100%，第 1 关");
    tick();
    EXPECT_EQ(heard(), "时间不多，剩余时间 25%");
    tick();
    EXPECT_EQ(heard(), "0 news, the last 时间不多，剩余时间 25%");
    timeLeft = 16;
    tick();
    EXPECT_EQ(heard(), "时间不多，剩余时间 10%");
    tick();
    EXPECT_EQ(accessibility::newsCount(window.get()), told);

    pairsRemoved = kPairsPerLevel - 1;
    view()->clickCell(11, 2);
    EXPECT_EQ(heard(), "已选中");
    view()->clickCell(11, 3);
    EXPECT_EQ(heard(), "消除 " + fruit(2) + "，第 1 关过关，按 N 进入第 2 关");
    QTest::keyClick(window.get(), Qt::Key_N);
    EXPECT_EQ(heard(), "第 2 关，剩余时间 100%");
    timeLeft = 0;
    tick();
    EXPECT_EQ(heard(), "时间到，按 N 重玩第 2 关");
}

}  // namespace
}  // namespace quorvane::ui
