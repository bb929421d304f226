// SPDX-License-Identifier: MIT
// The board canvas as the player meets it: a press picks the cell under the pointer, a release
// is told to the window, and over a tile the pointer takes the shape of the tile pointer.
//
// From the keyboard a cursor walks the playing field: the arrows move it, Space or Return press
// the cell under it as a click there would. It is a frame drawn over the canvas when the widget
// paints, never into the kept picture, and shows only while the board has the keyboard focus, the
// game is not paused and no mouse press has landed on the board since the last key.
#pragma once

#include <QCursor>
#include <QElapsedTimer>
#include <array>

#include "engine/state.h"
#include "ui/board/picturebox.h"

namespace quorvane::ui {

class BoardView : public PictureBox {
    Q_OBJECT
  public:
    // The keyboard cursor: a 2-pixel frame just inside the cell's grid lines, dashed in these
    // two colours, 4 pixels each, so it shows on light tiles, dark ones and empty cells alike.
    static constexpr QRgb kKeyCursorRgb = 0xff0040;
    static constexpr QRgb kKeyCursorGapRgb = 0xffffff;

    explicit BoardView(const Form2Pictures& pictures, QWidget* parent = nullptr);

    // Whether the pointer shows the tile pointer rather than the window's own.
    bool tileCursorShown() const { return tileCursorShown_; }

    // The keyboard cursor's cell, numbered as the engine numbers cells, and whether it shows now.
    int keyRow() const { return keyRow_; }
    int keyCol() const { return keyCol_; }
    bool keyCursorShown() const;

    // An arrow key pressed anywhere in the window. The board takes the keyboard focus; a cursor
    // that was not showing shows where it was (at first on the top-left playing cell), one that
    // was showing moves a cell that way, never off the playing field.
    void arrowKey(int key);

    // What a key or the press action of the cell's accessible interface does: a press on the
    // cell, and, when the game was paused or the level over, the release that answers it. A press
    // that ends the level is not also taken for the answer.
    void clickCell(int row, int col);

    // Whether the cell shows the selected look of its tile now.
    bool showsSelectedLook(int row, int col) const;

    // The engine paints through these; the board notes which cells show a selected tile.
    void Cls() override;
    void PaintPicture(Form2Picture picture, int x, int y, int w, int h) override;

  signals:
    // Any mouse button came up after a press on the board, or a key pressed a cell while the
    // game was paused or the level over.
    void released();
    // The keyboard cursor moved onto a cell, or shows there again: that cell is the one to tell.
    void cursorMovedTo(int row, int col);
    // The engine painted on the canvas.
    void painted();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Over a tile the tile pointer shows; off the playing field the window's own. Over an empty
    // playing cell the pointer keeps whichever it had.
    void followPointer(QPointF position);
    void press(int row, int col);
    QRect keyCursorRect() const;
    // Tells assistive technology which cell the cursor is on, when it shows.
    Q_INVOKABLE void announceCursor();

    QCursor tileCursor_;
    bool tileCursorShown_ = false;

    int keyRow_ = kFirstPlayingRow;
    int keyCol_ = kFirstPlayingCol;
    bool keyboardInUse_ = false;  // set by keys, cleared by a mouse press on the board
    bool keysArrive_ = false;     // an arrow came since the window last lost the keyboard
    std::array<std::array<bool, kCols + 1>, kRows + 1> selectedLook_{};
    // When tracing start-up: the first press on the board, until the frame that shows it.
    QElapsedTimer firstPress_;
    bool firstPressShown_ = false;
};

}  // namespace quorvane::ui
