// SPDX-License-Identifier: MIT
// A picture box that keeps what is drawn on it: the board canvas and the time bar. The pointer's
// events over a box stay with it and never reach the widgets behind.
//
// Everything the engine says is in logical pixels. The kept image has the device pixels of a
// screen of the pictures' ratio: on a scaled screen pictures land in their logical rectangles with
// every pixel of the 2x set used, and a line covers whole device pixels as the 1x line scaled.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "engine/window.h"

namespace quorvane::ui {

class Form2Pictures;

class PictureBox : public QWidget, public Canvas {
    Q_OBJECT
  public:
    PictureBox(const Form2Pictures& pictures, QSize size, QWidget* parent = nullptr);

    // The box's own picture, shown after every Cls; the back colour fills where it has none.
    void setPicture(const QImage& picture);
    void setBackColor(QColor colour);

    void Cls() override;
    void PaintPicture(Form2Picture picture, int x, int y, int w, int h) override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;

    // The kept image, at the device pixel ratio of the pictures (its devicePixelRatio()).
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Draws a whole picture into a logical rectangle of the kept image, device pixel exact.
    void drawPicture(const QImage& source, QRect logical);

    const Form2Pictures& pictures_;
    qreal ratio_;
    QImage image_;
    QImage picture_;
    QColor backColor_ = Qt::black;
};

}  // namespace quorvane::ui
