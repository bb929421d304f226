// SPDX-License-Identifier: MIT
#include "ui/accessibility/announcements.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <array>
#include <map>

#include "assets/fruitnames.h"
#include "engine/state.h"
#include "ui/accessibility/boardaccessible.h"
#include "ui/board/boardview.h"

namespace quorvane::ui::accessibility {

namespace {

constexpr int kTableCols = kLastPlayingCol - kFirstPlayingCol + 1;
constexpr int kPlayingCells = (kLastPlayingRow - kFirstPlayingRow + 1) * kTableCols;

int percentOf(int timeUnits) {
    return (timeUnits * 100 + kTimeCap / 2) / kTimeCap;
}

// Two pieces of news told as one: "第 1 关，剩余时间 100%".
QString joined(const QString& first, const QString& second) {
    return QCoreApplication::translate("News", "%1，%2").arg(first, second);
}

QString levelText(int levelNumber) {
    return QCoreApplication::translate("News", "第 %1 关").arg(levelNumber);
}

// What the player hears when the level is over, and what then takes them on.
QString overText(int dealtLevel) {
    if (pairsRemoved >= kPairsPerLevel) {
        if (level == dealtLevel) {
            return QCoreApplication::translate("News", "第 %1 关过关，按 N 重玩这一关")
                .arg(dealtLevel);
        }
        return QCoreApplication::translate("News", "第 %1 关过关，按 N 进入第 %2 关")
            .arg(dealtLevel)
            .arg(level);
    }
    return QCoreApplication::translate("News", "时间到，按 N 重玩第 %1 关").arg(level);
}

class MainWindowAccessible;

// An object of the tree that no widget stands behind: the status bar and the news in it.
class VirtualAccessible : public QAccessibleInterface {
  public:
    explicit VirtualAccessible(QAccessibleInterface* parent) : parent_(parent) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return parent_; }
    void setText(QAccessible::Text, const QString&) override {}
    // No place on the screen: flat review has nothing to show of it.
    QRect rect() const override { return {}; }
    QAccessible::State state() const override { return {}; }

  private:
    QAccessibleInterface* parent_;
};

class NewsAccessible : public VirtualAccessible {
  public:
    using VirtualAccessible::VirtualAccessible;

    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? news_ : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }

    void tell(const QString& news) {
        news_ = news;
        ++count_;
        // The new name first, so that a reader holding the old one drops it; then the showing,
        // which is what gets it read.
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    const QString& news() const { return news_; }
    int count() const { return count_; }

  private:
    QString news_;
    int count_ = 0;
};

class StatusBarAccessible : public VirtualAccessible {
  public:
    explicit StatusBarAccessible(QAccessibleInterface* parent) : VirtualAccessible(parent) {
        news_ = new NewsAccessible(this);
        newsId_ = QAccessible::registerAccessibleInterface(news_);
    }
    ~StatusBarAccessible() override { QAccessible::deleteAccessibleInterface(newsId_); }

    QAccessibleInterface* child(int index) const override { return index == 0 ? news_ : nullptr; }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == news_ ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }

    NewsAccessible& news() const { return *news_; }

  private:
    NewsAccessible* news_;
    QAccessible::Id newsId_;
};

// The game as the last look found it.
struct Seen {
    std::uint32_t deal = 0;
    int level = 0;
    bool paused = false;
    bool over = false;
    int pickRow = 0;
    int pickCol = 0;
    std::array<int, kPlayingCells> kinds{};  // 0 where no tile lies
    std::array<QString, kPlayingCells> names;
};

class Narrator {
  public:
    Narrator(QWidget* window, NewsAccessible& news) : window_(window), news_(news) {}

    void scheduleLook() {
        if (lookScheduled_) {
            return;
        }
        lookScheduled_ = true;
        QMetaObject::invokeMethod(
            window_, [window = QPointer<QWidget>(window_)] { look(window); }, Qt::QueuedConnection);
    }

    void clockTicked() {
        if (playing != True || levelOver == True) {
            return;
        }
        // A tenth and a quarter of the time cap, rounded as the percentages are.
        if (!warnedTenth_ && percentOf(timeLeft) <= 10) {
            warnedTenth_ = warnedQuarter_ = true;
            news_.tell(
                joined(QCoreApplication::translate("News", "时间不多"), timeLeftText(timeLeft)));
        } else if (!warnedQuarter_ && percentOf(timeLeft) <= 25) {
            warnedQuarter_ = true;
            news_.tell(
                joined(QCoreApplication::translate("News", "时间不多"), timeLeftText(timeLeft)));
        }
    }

    void tellTime() {
        QString text = joined(timeLeftText(timeLeft), levelText(level));
        if (levelOver == True) {
            text = overText(dealtLevel_);
        } else if (paused == True) {
            text = joined(text, QCoreApplication::translate("News", "已暂停"));
        }
        news_.tell(text);
    }

    static void look(QWidget* window);

  private:
    void look();
    Seen see(const BoardView* board) const;

    QWidget* window_;
    NewsAccessible& news_;
    bool lookScheduled_ = false;
    bool looked_ = false;
    Seen seen_;
    int dealtLevel_ = 0;
    bool warnedQuarter_ = false;
    bool warnedTenth_ = false;
};

class MainWindowAccessible : public QAccessibleWidget {
  public:
    explicit MainWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {
        statusBar_ = new StatusBarAccessible(this);
        statusBarId_ = QAccessible::registerAccessibleInterface(statusBar_);
        narrator_ = std::make_unique<Narrator>(window, statusBar_->news());
        // What the game is when a reader first looks is told by the reader; news is what changes.
        narrator_->scheduleLook();
    }
    ~MainWindowAccessible() override { QAccessible::deleteAccessibleInterface(statusBarId_); }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        return index == widgets ? statusBar_ : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == statusBar_ ? QAccessibleWidget::childCount()
                                   : QAccessibleWidget::indexOfChild(child);
    }

    Narrator& narrator() const { return *narrator_; }
    const NewsAccessible& news() const { return statusBar_->news(); }

  private:
    StatusBarAccessible* statusBar_;
    QAccessible::Id statusBarId_;
    std::unique_ptr<Narrator> narrator_;
};

// The window's interface, when an assistive technology listens.
MainWindowAccessible* windowInterface(QWidget* window) {
    if (window == nullptr || !QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<MainWindowAccessible*>(QAccessible::queryAccessibleInterface(window));
}

void Narrator::look(QWidget* window) {
    if (MainWindowAccessible* iface = windowInterface(window)) {
        iface->narrator().look();
    }
}

Seen Narrator::see(const BoardView* board) const {
    Seen now;
    now.deal = dealCount;
    now.level = level;
    now.paused = paused == True;
    now.over = levelOver == True;
    now.pickRow = pickRow;
    now.pickCol = pickCol;
    for (int row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            const auto i = static_cast<std::size_t>((row - kFirstPlayingRow) * kTableCols + col -
                                                    kFirstPlayingCol);
            const Cell& cell = quorvane::board[row][col];
            now.kinds[i] = cell.present == 1 ? cell.kind : 0;
            now.names[i] = cellName(board, row, col);
        }
    }
    return now;
}

void Narrator::look() {
    lookScheduled_ = false;
    auto* board = window_->findChild<BoardView*>();
    if (board == nullptr) {
        return;
    }
    const Seen now = see(board);
    QStringList news;
    if (!looked_ || now.deal != seen_.deal) {
        dealtLevel_ = now.level;
        warnedQuarter_ = warnedTenth_ = false;
        if (looked_) {
            news << joined(levelText(now.level), timeLeftText(timeLeft));
        }
    } else {
        const bool ended = now.over && !seen_.over;
        // A level that ends while paused ends the pause too; the end says enough.
        if (now.paused != seen_.paused && !ended) {
            news << (now.paused ? QCoreApplication::translate("News", "游戏暂停")
                                : QCoreApplication::translate("News", "游戏继续"));
        }
        // The tiles gone, by kind: a reshuffle moves the rest, so places cannot tell.
        std::map<int, int> gone;
        bool moved = false;
        for (std::size_t i = 0; i < now.kinds.size(); ++i) {
            if (seen_.kinds[i] != 0) {
                ++gone[seen_.kinds[i]];
            }
            if (now.kinds[i] != 0) {
                --gone[now.kinds[i]];
                moved = moved || now.kinds[i] != seen_.kinds[i];
            }
        }
        QStringList removed;
        for (const auto& [kind, count] : gone) {
            for (int pair = 0; pair < count / 2; ++pair) {
                removed << fruitName(kind);
            }
        }
        if (!removed.isEmpty()) {
            // Between the fruit names: a space in Chinese, a comma in English.
            news << QCoreApplication::translate("News", "消除 %1")
                        .arg(removed.join(QCoreApplication::translate("News", " ", "list")));
        }
        if (moved) {
            news << QCoreApplication::translate("News", "重新洗牌");
        }
        // A new pick that stays picked; one that found its partner is told by the removal.
        const bool newPick = now.pickRow != seen_.pickRow || now.pickCol != seen_.pickCol;
        if (newPick && !holdingLink && !now.paused && removed.isEmpty() &&
            board->showsSelectedLook(now.pickRow, now.pickCol)) {
            news << QCoreApplication::translate("News", "已选中");
        }
        if (ended) {
            news << overText(dealtLevel_);
        }
    }
    // Readers keep the names they were told; the cells that read differently say so.
    for (int row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            const auto i = static_cast<std::size_t>((row - kFirstPlayingRow) * kTableCols + col -
                                                    kFirstPlayingCol);
            if (looked_ && now.names[i] != seen_.names[i]) {
                cellChanged(board, row, col);
            }
        }
    }
    looked_ = true;
    seen_ = now;
    if (!news.isEmpty()) {
        news_.tell(news.join(QCoreApplication::translate("News", "，", "between news")));
    }
}

}  // namespace

QAccessibleInterface* makeWindowInterface(QWidget* window) {
    return new MainWindowAccessible(window);
}

void boardChanged(QWidget* window) {
    if (MainWindowAccessible* iface = windowInterface(window)) {
        iface->narrator().scheduleLook();
    }
}

void clockTicked(QWidget* window) {
    if (MainWindowAccessible* iface = windowInterface(window)) {
        iface->narrator().clockTicked();
    }
}

void tellTime(QWidget* window) {
    if (MainWindowAccessible* iface = windowInterface(window)) {
        iface->narrator().tellTime();
    }
}

QString lastNews(QWidget* window) {
    const MainWindowAccessible* iface = windowInterface(window);
    return iface != nullptr ? iface->news().news() : QString();
}

int newsCount(QWidget* window) {
    const MainWindowAccessible* iface = windowInterface(window);
    return iface != nullptr ? iface->news().count() : 0;
}

QString timeLeftText(int timeUnits) {
    return QCoreApplication::translate("News", "剩余时间 %1%").arg(percentOf(timeUnits));
}

QString fruitName(int kind) {
    if (kind < 1 || kind > kKinds) {
        return {};
    }
    return QCoreApplication::translate(
        "Fruit", kFruitNames[static_cast<std::size_t>(kind - 1)].chinese.data());
}

}  // namespace quorvane::ui::accessibility
