// The board canvas as the player meets it: a press picks the cell under the pointer, a release
// is told to the window, and over a tile the pointer takes the shape of the tile pointer.
#pragma once

#include <QCursor>

#include "picturebox.h"

namespace quorvane::ui {

class BoardView : public PictureBox {
    Q_OBJECT
  public:
    explicit BoardView(const Form2Pictures& pictures, QWidget* parent = nullptr);

    // Whether the pointer shows the tile pointer rather than the window's own.
    bool tileCursorShown() const { return tileCursorShown_; }

  signals:
    // Any mouse button came up after a press on the board.
    void released();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Over a tile the tile pointer shows; off the playing field the window's own. Over an empty
    // playing cell the pointer keeps whichever it had.
    void followPointer(QPointF position);

    QCursor tileCursor_;
    bool tileCursorShown_ = false;
};

}  // namespace quorvane::ui
