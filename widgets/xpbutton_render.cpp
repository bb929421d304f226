// SPDX-License-Identifier: MIT
// The frame of every paint: the buffer in device pixels, the style routine, derived colours and
// gradients, and the copy to the screen.
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "widgets/raster.h"
#include "widgets/xpbutton_p.h"

namespace qm {

using raster::Canvas;

void XPButtonPrivate::RenderFace() {
    if (suspended_ || q->width() <= 0 || q->height() <= 0) {
        return;
    }
    if (!BufferFits()) {
        // Drawn before the first resize event arrived (a hidden widget gets it only when shown),
        // or the widget moved to a screen of another device pixel ratio.
        ApplyShape();
        buffer_ = QImage();
        EnsureBuffer();
        RefreshFont();
        LayoutCaption();
    }
    using StyleRoutine = void (XPButtonPrivate::*)(Canvas&);
    static constexpr StyleRoutine kRoutines[8] = {
        &XPButtonPrivate::DrawRaised,  &XPButtonPrivate::DrawFramed,
        &XPButtonPrivate::DrawRounded, &XPButtonPrivate::DrawEtched,
        &XPButtonPrivate::DrawThin,    &XPButtonPrivate::DrawHoverEdge,
        &XPButtonPrivate::DrawSoft,    &XPButtonPrivate::DrawBevelled};
    // A style read from a layout outside 0..7 draws as the last one.
    const int n = Stored(style_);
    Canvas c(buffer_);
    (this->*kRoutines[n >= 0 && n < 8 ? n : 7])(c);
}

void XPButtonPrivate::RedrawButton() {
    if (suspended_ || q->width() <= 0 || q->height() <= 0) {
        return;
    }
    RenderFace();
    QueueBufferCopy();
}

void XPButtonPrivate::QueueBufferCopy() {
    // The copy to the screen happens in the paint event, the one place Qt allows it.
    bufferFresh_ = true;
    q->update();
}

qreal XPButtonPrivate::DeviceRatio() const {
    return renderRatio_ > 0 ? renderRatio_ : q->devicePixelRatioF();
}

QSize XPButtonPrivate::DeviceSize() const {
    const qreal r = DeviceRatio();
    return {qRound(q->width() * r), qRound(q->height() * r)};
}

bool XPButtonPrivate::BufferFits() const {
    return !buffer_.isNull() && buffer_.size() == DeviceSize() &&
           buffer_.devicePixelRatio() == DeviceRatio();
}

// The buffer has the device pixels of the screen; everything draws on it in logical pixels.
void XPButtonPrivate::EnsureBuffer() {
    if (!BufferFits()) {
        buffer_ = QImage(DeviceSize(), QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(DeviceRatio());
        buffer_.fill(Qt::black);
    }
}

QImage XPButton::RenderToImage(qreal devicePixelRatio) {
    if (devicePixelRatio <= 0 || width() <= 0 || height() <= 0) {
        return {};
    }
    QImage screenBuffer = std::exchange(d_->buffer_, QImage());
    const qreal screenRatio = std::exchange(d_->renderRatio_, devicePixelRatio);
    const bool wasSuspended = std::exchange(d_->suspended_, false);
    d_->EnsureBuffer();
    d_->RefreshFont();
    d_->LayoutCaption();
    d_->RenderFace();
    QImage out = std::exchange(d_->buffer_, std::move(screenBuffer));
    d_->renderRatio_ = screenRatio;
    d_->RefreshFont();
    d_->LayoutCaption();
    d_->suspended_ = wasSuspended;
    return out;
}

void XPButtonPrivate::ResizeHandling() {
    if (suspended_) {
        return;
    }
    ApplyShape();
    buffer_ = QImage();
    EnsureBuffer();
    LayoutCaption();
    q->Refresh();
}

void XPButton::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    d_->ResizeHandling();
}

void XPButton::paintEvent(QPaintEvent*) {
    d_->suspended_ = false;
    if (!d_->bufferFresh_ || !d_->BufferFits()) {
        d_->RenderFace();  // the copy follows right here; asking for another paint would loop
    }
    d_->bufferFresh_ = false;
    if (d_->buffer_.isNull()) {
        return;
    }
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, d_->buffer_);
}

void XPButtonPrivate::RefreshDerivedColors() {
    OleColor face = TranslateColor(backColor_);
    OleColor pressed = face;
    OleColor hover = TranslateColor(hoverBackColor_);
    OleColor checked = ShadeColor(kWhite, -32);
    switch (style_) {
        case FaceStyle::Rounded:
            face = ShadeColor(face, 48, true);
            pressed = ShadeColor(face, -32, true);
            hover = ShadeColor(hover, 48, true);
            checked = ShadeColor(kWhite, -32, true);
            break;
        case FaceStyle::Etched:
            pressed = ShadeColor(kGrey, 12);
            checked = ShadeColor(pressed, 31);
            break;
        case FaceStyle::Bevelled:
            face = ShadeColor(face, 31);
            pressed = ShadeColor(kGrey, -16);
            hover = ShadeColor(hover, 31);
            checked = ShadeColor(kGrey, 16, true);
            break;
        default:
            break;
    }
    faceColor_ = face;
    pressedColor_ = pressed;
    hoverFaceColor_ = hover;
    checkedColor_ = checked;
}

void XPButtonPrivate::GradientFill(Canvas& c, OleColor a, OleColor b, Gradient mode) {
    const bool columns = mode == Gradient::Horizontal || mode == Gradient::HorizontalReversed;
    const int extent = columns ? q->width() : q->height();
    if (extent <= 0) {
        return;
    }
    int screenExtent = 1 << 20;
    if (const QScreen* sc = q->screen()) {
        screenExtent = columns ? sc->geometry().width() : sc->geometry().height();
    }
    const int thickness = static_cast<double>(screenExtent) / extent < 4.0 ? 2 : 1;
    const int n = std::max(extent / thickness, 1);
    if (mode == Gradient::HorizontalReversed || mode == Gradient::VerticalReversed) {
        std::swap(a, b);
    }
    GradientColors(a, b, n, bands_);
    for (int i = 0; i < n; ++i) {
        const int pos = i * thickness;
        // The last band runs to the edge, so an odd extent leaves no column unpainted.
        const int end = i == n - 1 ? extent : pos + thickness;
        const QRgb color = ToQRgb(bands_[static_cast<std::size_t>(i)]);
        if (columns) {
            c.FillRect(pos, 0, end, q->height(), color);
        } else {
            c.FillRect(0, pos, q->width(), end, color);
        }
    }
}

}  // namespace qm
