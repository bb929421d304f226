// A picture box that keeps what is drawn on it: the board canvas and the time bar.
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

    const QImage& image() const { return image_; }

  signals:
    void mouseDown(Qt::MouseButton button, QPointF position);
    void mouseUp(Qt::MouseButton button, QPointF position);
    void mouseMove(Qt::MouseButtons buttons, QPointF position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const Form2Pictures& pictures_;
    QImage image_;
    QImage picture_;
    QColor backColor_ = Qt::black;
};

}  // namespace quorvane::ui
