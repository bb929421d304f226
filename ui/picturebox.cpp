#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "form2.h"
#include "widgets/olecolor.h"
#include "widgets/raster.h"

namespace quorvane::ui {

PictureBox::PictureBox(const Form2Pictures& pictures, QSize size, QWidget* parent)
    : QWidget(parent), pictures_(pictures), image_(size, QImage::Format_RGB32) {
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    image_.fill(backColor_);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
}

void PictureBox::setBackColor(QColor colour) {
    backColor_ = colour;
}

void PictureBox::Cls() {
    image_.fill(backColor_);
    if (!picture_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    update();
}

void PictureBox::PaintPicture(Form2Picture picture, int x, int y, int w, int h) {
    const QImage& source = pictures_.picture(picture);
    if (source.isNull() || w <= 0 || h <= 0) {
        return;
    }
    QPainter painter(&image_);
    // A plain copy stretched pixel by pixel, never smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(x, y, w, h), source);
    update(QRect(x, y, w, h));
}

void PictureBox::Line(int x1, int y1, int x2, int y2, Colour colour) {
    // The widgets' raster line leaves out the end point in every direction, as the grid needs.
    qm::raster::Canvas(image_).Line(QPoint(x1, y1), QPoint(x2, y2), qm::ToQRgb(colour));
    update(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace quorvane::ui
