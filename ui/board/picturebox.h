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
#include <functional>

#include "engine/window.h"

namespace quorvane::ui {

class Form2Pictures;

class PictureBox : public QWidget, public Canvas {
    Q_OBJECT
  public:
    PictureBox(const Form2Pictures& pictures, QSize size, QWidget* parent = nullptr);

    // The box's own picture, shown after every Cls; the back colour fills where it has none. It
    // is asked for at every Cls, so the box need not hold it in between.
    // `straightInto`, when given, is tried first: it writes the picture over the whole kept image
    // itself, and says whether it did.
    void setPicture(std::function<QImage()> picture,
                    std::function<bool(QImage&)> straightInto = {});
    void setPicture(const QImage& picture);
    void setBackColor(QColor colour);

    void Cls() override;
    void PaintPicture(Form2Picture picture, int x, int y, int w, int h) override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;

    // The kept image, at the device pixel ratio of the pictures (its devicePixelRatio()).
    const QImage& image() const {
        settle();
        return image_;
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Draws a whole picture into a logical rectangle of the kept image, device pixel exact.
    void drawPicture(const QImage& source, QRect logical) const;
    // Carries out a Cls asked for since the last drawing: two in a row (the board made, then
    // dealt) cost one.
    void settle() const;

    const Form2Pictures& pictures_;
    qreal ratio_;
    mutable QImage image_;
    mutable bool clsPending_ = false;
    QColor clsColour_;  // the back colour when the pending Cls was asked for
    std::function<QImage()> picture_;
    std::function<bool(QImage&)> pictureStraightInto_;
    QColor backColor_ = Qt::black;
};

}  // namespace quorvane::ui
