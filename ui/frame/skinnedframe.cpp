// SPDX-License-Identifier: MIT
#include "ui/frame/skinnedframe.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "assets/assets.h"
#include "ui/board/form2.h"
#include "ui/frame/frameimage.h"
#include "ui/frame/twips.h"
#include "ui/frame/windowdrag.h"
#include "ui/system/display.h"

namespace quorvane::ui {

SkinnedFrame::SkinnedFrame(QWidget* window, QString title)
    : QObject(window),
      window_(window),
      title_(std::move(title)),
      ratio_(startupPixelRatio()),
      skin_(loadPicture(":/frame/pmain.png", QSize(271, 218), ratio_)),
      icon_(loadPicture(":/frame/imico.png", QSize(16, 16), ratio_)),
      buttonCursor_(pointerCursor(QStringLiteral(":/frame/button_cursor.png"),
                                  QPoint(kButtonCursorHotX, kButtonCursorHotY), ratio_)) {
    if (outlineByTransparency()) {
        // No window shape here: the pixels outside the outline are left transparent instead.
        window_->setAttribute(Qt::WA_TranslucentBackground);
    }
    titleBar_ = new QWidget(window);
    titleBar_->setGeometry(px(720), 0, px(Twips::kWindowWidth - 675), px(375));
    titleBar_->setMouseTracking(true);

    minimiseImage_ =
        new FrameImage(loadPicture(":/frame/immin1.png", QSize(16, 16), ratio_),
                       loadPicture(":/frame/immin2.png", QSize(16, 16), ratio_), window);
    closeImage_ =
        new FrameImage(loadPicture(":/frame/imclose1.png", QSize(16, 16), ratio_),
                       loadPicture(":/frame/imclose2.png", QSize(16, 16), ratio_), window);
    for (FrameImage* image : {minimiseImage_, closeImage_}) {
        image->resize(px(255), px(240));
        image->setCursor(buttonCursor_);
    }
    connect(closeImage_, &FrameImage::clicked, this, &SkinnedFrame::closeClicked);
    connect(minimiseImage_, &FrameImage::clicked, this, &SkinnedFrame::minimiseClicked);

    drag_ = new WindowDrag(window);
    addDragSource(titleBar_);
    // Leaving an image for the frame around it takes its hover look off.
    window->installEventFilter(this);
    titleBar_->installEventFilter(this);
}

void SkinnedFrame::addDragSource(QWidget* widget) {
    drag_->addHandle(widget);
}

void SkinnedFrame::layOut() {
    const int w = Twips::kWindowWidth;
    titleBar_->resize(px(w - 675), px(375));
    minimiseImage_->move(px(w - 630), px(75));
    closeImage_->move(px(w - 315), px(75));
}

void SkinnedFrame::paintSkin() {
    window_->update();
}

void SkinnedFrame::paint(QPainter& painter) const {
    const int w = Twips::kWindowWidth;
    const int h = Twips::kWindowHeight;
    const int pw = 4065;  // the skin picture's size
    const int ph = 3270;
    if (outlineByTransparency()) {
        painter.setClipRegion(region());
    }
    painter.fillRect(pxRect(0, 0, w, h), QColor(QRgb(kFrameBodyRgb)));

    // Edges stretched from a slice of the skin, then the four corners copied as they are.
    struct Copy {
        QRect destination, source;
    };
    const Copy copies[] = {
        {pxRect(420, 0, w, 600), pxRect(420, 0, 120, 600)},
        {pxRect(420, h - 600, w, 600), pxRect(420, ph - 600, 120, 600)},
        {pxRect(0, 0, 200, h), pxRect(0, 880, 200, 40)},
        {pxRect(w - 200, 0, 200, h), pxRect(pw - 200, 880, 200, 40)},
        {pxRect(0, 0, 450, 600), pxRect(0, 0, 450, 600)},
        {pxRect(0, h - 600, 450, 600), pxRect(0, ph - 600, 450, 600)},
        {pxRect(w - 1665, 0, 1665, 435), pxRect(pw - 1665, 0, 1665, 435)},
        {pxRect(w - 1665, h - 525, 1665, 525), pxRect(pw - 1665, ph - 525, 1665, 525)},
    };
    {
        // Pictures are placed on device pixels: destinations are logical rectangles, sources are
        // in pixels of the 1x picture (the 2x picture has twice as many). The painter counts in
        // device pixels meanwhile.
        const qreal ratio = painter.device()->devicePixelRatioF();
        painter.save();
        painter.scale(1.0 / ratio, 1.0 / ratio);
        const auto copy = [&](const QImage& picture, QRect destination, QRect source) {
            const qreal pictureRatio = picture.devicePixelRatio();
            const QRect from = toDevice(source, pictureRatio);
            if (wholePixelScale(ratio, pictureRatio)) {
                painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
                painter.drawImage(toDevice(destination, ratio), picture, from);
            } else {
                // Resampled smoothly from the slice alone, so nothing beside it bleeds in.
                painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
                painter.drawImage(toDevice(destination, ratio), picture.copy(from));
            }
        };
        for (const Copy& c : copies) {
            copy(skin_, c.destination, c.source);
        }
        copy(icon_, pxRect(100, 80, 240, 240), QRect(0, 0, 16, 16));
        painter.restore();
    }

    // The title in logical pixels; on a scaled screen it is drawn at the device resolution.
    painter.setPen(Qt::white);
    QFont titleFont = window_->font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetrics metrics(titleFont);
    painter.drawText(QPoint(px(420), px(100) + metrics.ascent()), title_);
}

QRegion SkinnedFrame::region() const {
    const int w = px(Twips::kWindowWidth);
    const int h = px(Twips::kWindowHeight);
    const auto box = [](int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    QRegion region(box(0, 5, w, h - 5));
    region = region.united(QRegion(box(5, 0, w - 5, h)));
    region = region.united(QRegion(box(-2, 0, 15, 35), QRegion::Ellipse));
    region = region.united(QRegion(box(w - 15, 0, w + 2, 20), QRegion::Ellipse));
    region = region.united(QRegion(box(-1, h - 20, 10, h), QRegion::Ellipse));
    region = region.united(QRegion(box(w - 20, h - 40, w + 3, h + 4), QRegion::Ellipse));
    return region;
}

void SkinnedFrame::applyRegion() {
    window_->setMask(region());
}

void SkinnedFrame::clearHover() {
    closeImage_->clearHover();
    minimiseImage_->clearHover();
}

// Watches the window and the title area.
bool SkinnedFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        clearHover();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvane::ui
