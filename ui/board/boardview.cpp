// SPDX-License-Identifier: MIT
#include "ui/board/boardview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "assets/assets.h"
#include "engine/painting.h"
#include "engine/selection.h"
#include "ui/board/form2.h"
#include "ui/system/display.h"
#include "ui/system/startuptrace.h"

namespace quorvane::ui {

BoardView::BoardView(const Form2Pictures& pictures, QWidget* parent)
    : PictureBox(pictures, QSize(640, 480), parent),
      tileCursor_(pointerCursor(QStringLiteral(":/board/tile_cursor.png"),
                                QPoint(kTileCursorHotX, kTileCursorHotY), pictures.ratio())) {
    // Tab reaches the board; a click leaves the focus where it was, as it always has.
    setFocusPolicy(Qt::TabFocus);
    setPicture([&pictures] { return pictures.background(); },
               [&pictures](QImage& canvas) { return pictures.backgroundInto(canvas); });
    Cls();
}

// ---- the mouse ----

// Any button picks; the engine ignores presses outside the playing field or out of play.
void BoardView::mousePressEvent(QMouseEvent* event) {
    if (keyboardInUse_) {
        keyboardInUse_ = false;
        update(keyCursorRect());
    }
    if (tracingStartup() && !firstPress_.isValid()) {
        firstPress_.start();
    }
    const BoardCell cell = cellAtPixel(event->position().x(), event->position().y());
    press(cell.row, cell.col);
}

void BoardView::mouseReleaseEvent(QMouseEvent*) {
    emit released();
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    followPointer(event->position());
}

void BoardView::followPointer(QPointF position) {
    const BoardCell cell = cellAtPixel(position.x(), position.y());
    if (!isPlayingCell(cell.row, cell.col)) {
        unsetCursor();
        tileCursorShown_ = false;
    } else if (board[cell.row][cell.col].present == 1) {
        setCursor(tileCursor_);
        tileCursorShown_ = true;
    }
}

void BoardView::press(int row, int col) {
    pressCell(static_cast<int16>(row), static_cast<int16>(col));
}

void BoardView::clickCell(int row, int col) {
    // A press that ends the level leaves the offer of the next one to the next press.
    const bool answers = paused == True || levelOver == True;
    press(row, col);
    if (answers) {
        emit released();
    }
}

// ---- the keyboard ----

// Only while the keys come here: the window's focus widget stays the board while another window
// has the keyboard. Without a window manager the window may never be made active, yet keys that
// reach it show that the keyboard is the board's.
bool BoardView::keyCursorShown() const {
    return keyboardInUse_ && paused != True && window()->focusWidget() == this &&
           (isActiveWindow() || keysArrive_);
}

void BoardView::arrowKey(int key) {
    const bool wasShown = keyCursorShown();
    keysArrive_ = true;
    const QRect before = keyCursorRect();
    if (wasShown) {
        // One cell in the arrow's direction, never out of the playing field.
        const int across = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
        const int down = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
        if (across == 0 && down == 0) {
            return;
        }
        keyCol_ = std::clamp<int>(keyCol_ + across, kFirstPlayingCol, kLastPlayingCol);
        keyRow_ = std::clamp<int>(keyRow_ + down, kFirstPlayingRow, kLastPlayingRow);
    }
    keyboardInUse_ = true;
    if (window()->focusWidget() != this) {
        setFocus(Qt::OtherFocusReason);
    }
    update(before);
    update(keyCursorRect());
    announceCursor();
}

// The arrows, and Space or Return on the cell under the cursor; every other key goes on to the
// window, which has the shortcuts. A held key presses once.
void BoardView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            arrowKey(event->key());
            return;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->isAutoRepeat()) {
                return;
            }
            // A cursor the mouse took away comes back first; while paused there is nothing to
            // pick and the press only resumes, as a click on the board does.
            if (!keyboardInUse_ && paused != True) {
                arrowKey(0);
                return;
            }
            keyboardInUse_ = true;
            clickCell(keyRow_, keyCol_);
            return;
        default:
            PictureBox::keyPressEvent(event);
    }
}

// Back by Tab or Shift+Tab, the cursor shows again; the window coming back brings it with it.
void BoardView::focusInEvent(QFocusEvent* event) {
    PictureBox::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        keyboardInUse_ = true;
    }
    update(keyCursorRect());
    if (event->reason() != Qt::OtherFocusReason) {
        // After the board's own focus, which Qt tells once this returns: the cell is heard last.
        QMetaObject::invokeMethod(this, &BoardView::announceCursor, Qt::QueuedConnection);
    }
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    PictureBox::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason) {
        keysArrive_ = false;  // another window has the keyboard now
    }
    update(keyCursorRect());
}

void BoardView::announceCursor() {
    if (keyCursorShown()) {
        emit cursorMovedTo(keyRow_, keyCol_);
    }
}

// ---- painting ----

void BoardView::Cls() {
    for (auto& row : selectedLook_) {
        row.fill(false);
    }
    PictureBox::Cls();
    emit painted();
}

void BoardView::PaintPicture(Form2Picture picture, int x, int y, int w, int h) {
    PictureBox::PaintPicture(picture, x, y, w, h);
    emit painted();
    // A tile face filling a cell: faces kKinds and up are the selected look.
    if (picture.set == Form2Picture::Set::Picture1 && w == kCellSize && h == kCellSize &&
        x % kCellSize == 0 && y % kCellSize == 0) {
        const BoardCell cell = cellAtPixel(x, y);
        if (isPlayingCell(cell.row, cell.col)) {
            selectedLook_[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.col)] =
                picture.index >= kKinds;
        }
    }
}

bool BoardView::showsSelectedLook(int row, int col) const {
    return isPlayingCell(row, col) &&
           selectedLook_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

QRect BoardView::keyCursorRect() const {
    return {cellLeft(keyCol_) + 1, cellTop(keyRow_) + 1, kCellSize - 2, kCellSize - 2};
}

void BoardView::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (firstPress_.isValid() && !firstPressShown_) {
        // Timed until the frame that shows the press has been handed to the display.
        firstPressShown_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QByteArray line =
                    "first press shown after " +
                    QByteArray::number(firstPress_.nsecsElapsed() / 1e6, 'f', 2) + " ms";
                traceStartup(line.constData());
            },
            Qt::QueuedConnection);
    }
    if (!keyCursorShown()) {
        return;
    }
    // Four 2-pixel strips round the inside of the cell, in dashes of 4 pixels.
    constexpr int kThickness = 2;
    constexpr int kDash = 4;
    const QRect r = keyCursorRect();
    const QRect strips[] = {
        {r.left(), r.top(), r.width(), kThickness},
        {r.left(), r.bottom() - kThickness + 1, r.width(), kThickness},
        {r.left(), r.top() + kThickness, kThickness, r.height() - 2 * kThickness},
        {r.right() - kThickness + 1, r.top() + kThickness, kThickness, r.height() - 2 * kThickness},
    };
    QPainter painter(this);
    for (const QRect& strip : strips) {
        const bool across = strip.width() > strip.height();
        const int length = across ? strip.width() : strip.height();
        for (int at = 0; at < length; at += kDash) {
            const int dash = std::min(kDash, length - at);
            const QRect piece = across ? QRect(strip.left() + at, strip.top(), dash, kThickness)
                                       : QRect(strip.left(), strip.top() + at, kThickness, dash);
            painter.fillRect(piece,
                             QColor((at / kDash) % 2 == 0 ? kKeyCursorRgb : kKeyCursorGapRgb));
        }
    }
}

}  // namespace quorvane::ui
