// SPDX-License-Identifier: MIT
// The mouse pointer over the button: a standard shape, or the MouseIcon.
#include <QCursor>
#include <QPixmap>

#include "widgets/xpbutton_p.h"

namespace qm {

namespace {

const QString kMsgIconTitle = QStringLiteral("Select .ico Or .cur Files Only");
const QString kMsgInvalidPicture = QStringLiteral("Invalid picture");

// The shape of each standard pointer, by its number; the Win32 "icon" pointer has no counterpart.
Qt::CursorShape PointerShape(Pointer pointer) {
    static constexpr Qt::CursorShape kShapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    return InRange(Stored(pointer), Pointer::SizeAll) ? kShapes[Stored(pointer)] : Qt::ArrowCursor;
}

}  // namespace

void XPButton::setMousePointer(int pointer) {
    if (!InRange(pointer, Pointer::SizeAll) && pointer != Stored(Pointer::Custom)) {
        return;
    }
    d_->pointer_ = static_cast<Pointer>(pointer);
    d_->ApplyCursor();
    d_->Notify("mPointer");
}

void XPButtonPrivate::ApplyCursor() {
    if (pointer_ == Pointer::Default) {
        q->unsetCursor();
    } else if (pointer_ == Pointer::Custom) {
        if (mouseIcon_.IsValid()) {
            const QPoint hot = mouseIcon_.HotSpot();
            q->setCursor(QCursor(QPixmap::fromImage(mouseIcon_.Image()), hot.x(), hot.y()));
        } else {
            q->unsetCursor();
        }
    } else {
        q->setCursor(PointerShape(pointer_));
    }
}

void XPButton::setMouseIcon(const XPPicture& icon) {
    if (!icon.IsEmpty() && !icon.IsValid()) {
        if (d_->DesignMode()) {
            ShowInfoMessage(this, kMsgInvalidPicture, kMsgIconTitle);
        }
        return;
    }
    d_->mouseIcon_ = icon;
    if (!icon.IsEmpty()) {
        setMousePointer(Stored(Pointer::Custom));
        d_->Notify("mIcon");
    } else {
        d_->ApplyCursor();
    }
}

}  // namespace qm
