// SPDX-License-Identifier: MIT
#include "ui/frame/frameimage.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/system/display.h"

namespace quorvane::ui {

FrameImage::FrameImage(QImage hover, QImage pressed, QWidget* parent)
    : QWidget(parent), hover_(std::move(hover)), pressed_(std::move(pressed)) {
    setMouseTracking(true);
}

void FrameImage::setLook(const QImage* picture) {
    shown_ = picture;
    update();
}

void FrameImage::pointerMoved() {
    if (tag_.isEmpty()) {
        setLook(&hover_);
        tag_ = QStringLiteral("1");
    }
}

void FrameImage::buttonPressed() {
    setLook(&pressed_);
}

void FrameImage::buttonReleased() {
    setLook(nullptr);
    tag_.clear();
}

void FrameImage::clearHover() {
    if (!tag_.isEmpty()) {
        setLook(nullptr);
        tag_.clear();
    }
}

void FrameImage::paintEvent(QPaintEvent*) {
    if (shown_ != nullptr) {
        QPainter painter(this);
        // A 2x look on a screen of a ratio it does not divide is resampled smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              !wholePixelScale(devicePixelRatioF(), shown_->devicePixelRatio()));
        painter.drawImage(QPoint(0, 0), *shown_);
    }
}

void FrameImage::mouseMoveEvent(QMouseEvent*) {
    pointerMoved();
}

void FrameImage::mousePressEvent(QMouseEvent*) {
    buttonPressed();
}

void FrameImage::mouseReleaseEvent(QMouseEvent* event) {
    buttonReleased();
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace quorvane::ui
