#include "skinnedframe.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "assets/assets.h"
#include "form2.h"
#include "frameimage.h"
#include "twips.h"
#include "windowdrag.h"

namespace quorvane::ui {

SkinnedFrame::SkinnedFrame(QWidget* window, QString title)
    : QObject(window),
      window_(window),
      title_(std::move(title)),
      skin_(loadPicture(":/frame/pmain.png", QSize(271, 218))),
      icon_(loadPicture(":/frame/imico.png", QSize(16, 16))),
      buttonCursor_(QPixmap(":/frame/button_cursor.png"), kButtonCursorHotX, kButtonCursorHotY) {
    titleBar_ = new QWidget(window);
    titleBar_->setGeometry(px(720), 0, px(Twips::kWindowWidth - 675), px(375));
    titleBar_->setMouseTracking(true);

    minimiseImage_ = new FrameImage(loadPicture(":/frame/immin1.png", QSize(16, 16)),
                                    loadPicture(":/frame/immin2.png", QSize(16, 16)), window);
    closeImage_ = new FrameImage(loadPicture(":/frame/imclose1.png", QSize(16, 16)),
                                 loadPicture(":/frame/imclose2.png", QSize(16, 16)), window);
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
    const int w = Twips::kWindowWidth;
    const int h = Twips::kWindowHeight;
    const int pw = 4065;  // the skin picture's size
    const int ph = 3270;
    frame_ = QImage(px(w), px(h), QImage::Format_RGB32);
    frame_.fill(QColor(QRgb(kFrameBodyRgb)));
    QPainter painter(&frame_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
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
    for (const Copy& copy : copies) {
        painter.drawImage(copy.destination, skin_, copy.source);
    }
    painter.drawImage(pxRect(100, 80, 240, 240), icon_, QRect(0, 0, 16, 16));

    painter.setPen(Qt::white);
    QFont titleFont = window_->font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetrics metrics(titleFont);
    painter.drawText(QPoint(px(420), px(100) + metrics.ascent()), title_);
    painter.end();
    window_->update();
}

void SkinnedFrame::paint(QPainter& painter) const {
    painter.drawImage(QPoint(0, 0), frame_);
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
