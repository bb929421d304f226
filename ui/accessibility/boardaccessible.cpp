// SPDX-License-Identifier: MIT
#include "ui/accessibility/boardaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QWindow>

#include "engine/painting.h"
#include "engine/state.h"
#include "ui/accessibility/announcements.h"
#include "ui/board/boardview.h"

namespace quorvane::ui::accessibility {

namespace {

// What a marked widget is; the factory reads it.
constexpr char kRoleProperty[] = "quorvaneAccessibleRole";
constexpr char kTimeBarRole[] = "timeBar";
constexpr char kLevelCaptionRole[] = "levelCaption";
constexpr char kLeftOutRole[] = "leftOut";      // not in the tree at all
constexpr char kLeavesOutRole[] = "leavesOut";  // a container with left-out children
constexpr char kMainWindowRole[] = "mainWindow";
constexpr char kBeforeProperty[] = "quorvaneAccessibleBefore";
constexpr char kAfterProperty[] = "quorvaneAccessibleAfter";

constexpr int kTableRows = kLastPlayingRow - kFirstPlayingRow + 1;  // 10
constexpr int kTableCols = kLastPlayingCol - kFirstPlayingCol + 1;  // 14

bool hasRole(const QObject* object, const char* role) {
    return object->property(kRoleProperty).toByteArray() == role;
}

int childIndex(int row, int col) {
    return (row - kFirstPlayingRow) * kTableCols + (col - kFirstPlayingCol);
}

// ---- a cell of the board ----

class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
  public:
    CellAccessible(BoardView* board, int row, int col) : board_(board), row_(row), col_(col) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (board_ && t == QAccessible::Name) {
            return cellName(board_, row_, col_);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!board_) {
            return {};
        }
        return {board_->mapToGlobal(QPoint(cellLeft(col_), cellTop(row_))),
                QSize(kCellSize, kCellSize)};
    }
    // An item, not a table cell: screen readers read a table cell's whole row whenever the row
    // changes, fourteen cells on every Up and Down. The name says the place.
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!board_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.selected = board_->showsSelectedLook(row_, col_);
        s.focused =
            board_->keyCursorShown() && board_->keyRow() == row_ && board_->keyCol() == col_;
        s.invisible = !board_->isVisible();
        s.disabled = !board_->isEnabled();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (t == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return board_ && board_->showsSelectedLook(row_, col_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_ - kFirstPlayingCol; }
    int rowIndex() const override { return row_ - kFirstPlayingRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
    }

    // QAccessibleActionInterface: press clicks the cell.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (board_ && action == pressAction() && board_->isEnabled()) {
            board_->clickCell(row_, col_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    const BoardView* board() const { return board_.data(); }
    int row() const { return row_; }
    int col() const { return col_; }

  private:
    QPointer<BoardView> board_;
    int row_;
    int col_;
};

// ---- the board ----

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override {
        for (const QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (!widget()->accessibleName().isEmpty() || !widget()->accessibleDescription().isEmpty()) {
            return QAccessibleWidget::text(t);
        }
        switch (t) {
            case QAccessible::Name:
                return QCoreApplication::translate("Board", "棋盘");
            case QAccessible::Description:
                return QCoreApplication::translate(
                    "Board", "方向键移动光标，空格键或回车键选择光标处的方块");
            default:
                return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return kTableRows * kTableCols; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return cellAt(index / kTableCols, index % kTableCols);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellAccessible*>(child);
        if (cell == nullptr || cell->board() != widget()) {
            return -1;
        }
        return childIndex(cell->row(), cell->col());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        if (!widget()->rect().contains(local)) {
            return nullptr;
        }
        const BoardCell cell = cellAtPixel(local.x(), local.y());
        return isPlayingCell(cell.row, cell.col) ? child(childIndex(cell.row, cell.col)) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (board()->keyCursorShown()) {
            return child(childIndex(board()->keyRow(), board()->keyCol()));
        }
        return QAccessibleWidget::focusChild();
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kTableRows || column < 0 || column >= kTableCols) {
            return nullptr;
        }
        const int index = row * kTableCols + column;
        if (const auto found = cells_.constFind(index); found != cells_.cend()) {
            return QAccessible::accessibleInterface(*found);
        }
        auto* cell = new CellAccessible(board(), row + kFirstPlayingRow, column + kFirstPlayingCol);
        cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
            for (int col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
                if (board()->showsSelectedLook(row, col)) {
                    cells.append(child(childIndex(row, col)));
                }
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override {
        return QCoreApplication::translate("Board", "第%1列").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return QCoreApplication::translate("Board", "第%1行").arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kTableCols; }
    int rowCount() const override { return kTableRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    BoardView* board() const { return static_cast<BoardView*>(widget()); }

    // The cells made so far, by child index; the cache owns them until this table goes.
    mutable QHash<int, QAccessible::Id> cells_;
};

// ---- the time bar ----

class TimeBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit TimeBarAccessible(QWidget* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QCoreApplication::translate("Board", "剩余时间");
        }
        if (t == QAccessible::Value) {
            return QString::number(timeLeft);
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return static_cast<int>(timeLeft); }
    void setCurrentValue(const QVariant&) override {}  // the clock's alone
    QVariant maximumValue() const override { return static_cast<int>(kTimeCap); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// ---- the level caption ----

class LevelCaptionAccessible : public QAccessibleWidget {
  public:
    explicit LevelCaptionAccessible(QLabel* number)
        : QAccessibleWidget(number, QAccessible::StaticText),
          before_(qobject_cast<QLabel*>(number->property(kBeforeProperty).value<QObject*>())),
          after_(qobject_cast<QLabel*>(number->property(kAfterProperty).value<QObject*>())) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(t);
        }
        QStringList words;
        const std::initializer_list<const QLabel*> labels = {
            before_.data(), static_cast<const QLabel*>(widget()), after_.data()};
        for (const QLabel* label : labels) {
            if (label != nullptr && !label->text().isEmpty()) {
                words << label->text();
            }
        }
        return words.join(QLatin1Char(' '));
    }

  private:
    QPointer<QLabel> before_;
    QPointer<QLabel> after_;
};

// ---- a container with children left out ----

class LeavingOutAccessible : public QAccessibleWidget {
  public:
    explicit LeavingOutAccessible(QWidget* container) : QAccessibleWidget(container) {}

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || child->object() == nullptr) {
            return -1;
        }
        return static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QList<QWidget*> shown() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() && !hasRole(child, kLeftOutRole)) {
                children << child;
            }
        }
        return children;
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String(BoardView::staticMetaObject.className())) {
        return new BoardAccessible(static_cast<BoardView*>(object));
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(kRoleProperty).isValid()) {
        return nullptr;
    }
    if (hasRole(widget, kTimeBarRole)) {
        return new TimeBarAccessible(widget);
    }
    if (hasRole(widget, kLevelCaptionRole) && qobject_cast<QLabel*>(widget) != nullptr) {
        return new LevelCaptionAccessible(static_cast<QLabel*>(widget));
    }
    if (hasRole(widget, kLeavesOutRole)) {
        return new LeavingOutAccessible(widget);
    }
    if (hasRole(widget, kMainWindowRole)) {
        return makeWindowInterface(widget);
    }
    return nullptr;
}

// Gives a widget its role; an interface made for it before, while it had none, is dropped so
// the next look makes the right one.
void mark(QWidget* widget, const char* role) {
    installFactory();
    widget->setProperty(kRoleProperty, QByteArray(role));
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    const bool ours = dynamic_cast<TimeBarAccessible*>(made) != nullptr ||
                      dynamic_cast<LevelCaptionAccessible*>(made) != nullptr ||
                      dynamic_cast<LeavingOutAccessible*>(made) != nullptr;
    if (made != nullptr && !ours) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    (void)installed;
}

void attachBoard(BoardView* board) {
    installFactory();
    QObject::connect(board, &BoardView::cursorMovedTo, board,
                     [board](int row, int col) { cursorMoved(board, row, col); });
    QObject::connect(board, &BoardView::painted, board, [board] { boardChanged(board->window()); });
}

void markMainWindow(QWidget* window) {
    // Before anything can have asked for the window's interface: none is made here.
    installFactory();
    window->setProperty(kRoleProperty, QByteArray(kMainWindowRole));
}

void markTimeBar(QWidget* timeBar) {
    mark(timeBar, kTimeBarRole);
}

void markLevelCaption(QLabel* number, QLabel* before, QLabel* after) {
    number->setProperty(kBeforeProperty, QVariant::fromValue(static_cast<QObject*>(before)));
    number->setProperty(kAfterProperty, QVariant::fromValue(static_cast<QObject*>(after)));
    mark(number, kLevelCaptionRole);
    for (QLabel* word : {before, after}) {
        word->setProperty(kRoleProperty, QByteArray(kLeftOutRole));
        if (QWidget* container = word->parentWidget(); container != nullptr) {
            mark(container, kLeavesOutRole);
        }
    }
}

QString cellName(const BoardView* board, int row, int col) {
    const QString place = QCoreApplication::translate("Board", "第%1行第%2列")
                              .arg(row - kFirstPlayingRow + 1)
                              .arg(col - kFirstPlayingCol + 1);
    const Cell& cell = quorvane::board[row][col];
    const bool tile = cell.present == 1 && cell.kind >= 1 && cell.kind <= kKinds;
    QString name =
        QCoreApplication::translate("Board", "%1 %2", "place and fruit")
            .arg(place, tile ? fruitName(cell.kind) : QCoreApplication::translate("Board", "空"));
    if (board->showsSelectedLook(row, col)) {
        name = QCoreApplication::translate("Board", "%1 已选中").arg(name);
    }
    return name;
}

void cursorMoved(BoardView* board, int row, int col) {
    QAccessibleEvent event(board, QAccessible::Focus);
    event.setChild(childIndex(row, col));
    QAccessible::updateAccessibility(&event);
}

void cellChanged(BoardView* board, int row, int col) {
    QAccessibleEvent event(board, QAccessible::NameChanged);
    event.setChild(childIndex(row, col));
    QAccessible::updateAccessibility(&event);
}

}  // namespace quorvane::ui::accessibility
