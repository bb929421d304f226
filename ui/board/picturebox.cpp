// SPDX-License-Identifier: MIT
#include "ui/board/picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "assets/assets2x.h"
#include "ui/board/form2.h"
#include "ui/system/display.h"
#include "widgets/olecolor.h"
#include "widgets/raster.h"

namespace quorvane::ui {

PictureBox::PictureBox(const Form2Pictures& pictures, QSize size, QWidget* parent)
    : QWidget(parent),
      pictures_(pictures),
      ratio_(pictures.ratio()),
      image_(newCanvas(toDevice(QRect(QPoint(0, 0), size), ratio_).size())) {
    image_.setDevicePixelRatio(ratio_);
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    image_.fill(backColor_);
}

void PictureBox::setPicture(std::function<QImage()> picture,
                            std::function<bool(QImage&)> straightInto) {
    picture_ = std::move(picture);
    pictureStraightInto_ = std::move(straightInto);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = [picture] { return picture; };
    pictureStraightInto_ = {};
}

void PictureBox::setBackColor(QColor colour) {
    backColor_ = colour;
}

void PictureBox::drawPicture(const QImage& source, QRect logical) const {
    // The kept image seen pixel for pixel, so that the rectangle's edges land on the device pixels
    // that lines and neighbouring pictures use.
    QImage device(image_.bits(), image_.width(), image_.height(), image_.bytesPerLine(),
                  image_.format());
    QPainter painter(&device);
    // Whole pixels are repeated as they are, never smoothed (the engine stretches a 39-pixel tile
    // face into its 40-pixel cell that way); a picture that does not reach the screen in whole
    // pixels is resampled smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          !wholePixelScale(ratio_, source.devicePixelRatio()));
    painter.drawImage(toDevice(logical, ratio_), source, source.rect());
}

void PictureBox::Cls() {
    clsPending_ = true;
    clsColour_ = backColor_;
    update();
}

void PictureBox::settle() const {
    if (!clsPending_) {
        return;
    }
    clsPending_ = false;
    if (pictureStraightInto_ && pictureStraightInto_(image_)) {
        return;
    }
    image_.fill(clsColour_);
    if (picture_) {
        const QImage picture = picture_();
        if (!picture.isNull()) {
            drawPicture(picture, QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
        }
    }
}

void PictureBox::PaintPicture(Form2Picture picture, int x, int y, int w, int h) {
    const QImage& source = pictures_.picture(picture);
    if (source.isNull() || w <= 0 || h <= 0) {
        return;
    }
    settle();
    drawPicture(source, QRect(x, y, w, h));
    update(QRect(x, y, w, h));
}

void PictureBox::Line(int x1, int y1, int x2, int y2, Colour colour) {
    settle();
    // The widgets' raster line leaves out the end point in every direction, as the grid needs, and
    // covers each logical pixel's device pixels.
    qm::raster::Canvas(image_).Line(QPoint(x1, y1), QPoint(x2, y2), qm::ToQRgb(colour));
    update(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    settle();
    QPainter painter(this);
    if (ratio_ == 1.0) {
        painter.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // Painting is clipped to the event's region; at the screen's own ratio this is a plain copy.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          !wholePixelScale(devicePixelRatioF(), ratio_));
    painter.drawImage(QPoint(0, 0), image_);
}

}  // namespace quorvane::ui
