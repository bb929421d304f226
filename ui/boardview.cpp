#include "boardview.h"

#include <QMouseEvent>

#include "assets/assets.h"
#include "display.h"
#include "engine/painting.h"
#include "engine/selection.h"
#include "form2.h"

namespace quorvane::ui {

BoardView::BoardView(const Form2Pictures& pictures, QWidget* parent)
    : PictureBox(pictures, QSize(640, 480), parent),
      tileCursor_(pointerCursor(QStringLiteral(":/board/tile_cursor.png"),
                                QPoint(kTileCursorHotX, kTileCursorHotY), pictures.ratio())) {
    setPicture(pictures.background());
    Cls();
}

// Any button picks; the engine ignores presses outside the playing field or out of play.
void BoardView::mousePressEvent(QMouseEvent* event) {
    const BoardCell cell = cellAtPixel(event->position().x(), event->position().y());
    pressCell(static_cast<int16>(cell.row), static_cast<int16>(cell.col));
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

}  // namespace quorvane::ui
