// SPDX-License-Identifier: MIT
// Mouse, keyboard, focus and hover; command, check and option behaviour.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton_accessible.h"
#include "widgets/xpbutton_p.h"

namespace qm {

namespace {

qint16 ButtonCode(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

qint16 ButtonsCode(Qt::MouseButtons b) {
    return static_cast<qint16>(((b & Qt::LeftButton) ? 1 : 0) | ((b & Qt::RightButton) ? 2 : 0) |
                               ((b & Qt::MiddleButton) ? 4 : 0));
}

qint16 ShiftCode(Qt::KeyboardModifiers m) {
    return static_cast<qint16>(((m & Qt::ShiftModifier) ? 1 : 0) |
                               ((m & Qt::ControlModifier) ? 2 : 0) |
                               ((m & Qt::AltModifier) ? 4 : 0));
}

// Qt key to the Win32 virtual-key code the key events carry.
qint16 VirtualKey(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
        key == Qt::Key_Space) {
        return static_cast<qint16>(key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<qint16>(112 + (key - Qt::Key_F1));
    }
    struct KeyCode {
        int key;
        qint16 vk;
    };
    static constexpr KeyCode kCodes[] = {
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},     {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
        {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27},   {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},    {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
        {Qt::Key_Backspace, 8}, {Qt::Key_Delete, 46}, {Qt::Key_Insert, 45},   {Qt::Key_Home, 36},
        {Qt::Key_End, 35},      {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    };
    for (const KeyCode& code : kCodes) {
        if (code.key == key) {
            return code.vk;
        }
    }
    return static_cast<qint16>(key & 0x7FFF);
}

constexpr qint16 kVkShift = 16;
constexpr qint16 kVkSpace = 32;

bool IsArrow(qint16 vk) {
    return vk >= 37 && vk <= 40;
}

// Repeat count 1 and the keyboard scan code of each arrow key.
quint32 ArrowScanCode(qint16 vk) {
    switch (vk) {
        case 37:
            return 0x4B;
        case 38:
            return 0x48;
        case 39:
            return 0x4D;
        default:
            return 0x50;
    }
}

// The hover timer's callback: finds the button through "qm_ClassID" and checks the cursor with
// the identifier stored under "qm_TimerID". The address is only trusted once the registry of live
// buttons knows it.
void HoverTimerProc(QWidget* hwnd, unsigned, quintptr, unsigned) {
    XPButton* button = XPButton::FromAddress(modQmTimer::GetProp(hwnd, "qm_ClassID"));
    if (button != nullptr) {
        button->CheckHover(modQmTimer::GetProp(hwnd, "qm_TimerID"));
    }
}

}  // namespace

// --- mouse ----------------------------------------------------------------------------------

void XPButtonPrivate::HandleMouseDown(int button, int shift, QPointF pos) {
    lastButton_ = static_cast<std::int16_t>(button);
    if (button == 1) {
        SetPressed(true);
        held_ = true;
        suspended_ = false;
        q->Refresh();
        // Qt grabs the mouse for the pressed widget by itself until the release.
    }
    emit q->MouseDown(static_cast<qint16>(button), static_cast<qint16>(shift),
                      static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

void XPButton::mousePressEvent(QMouseEvent* e) {
    d_->clickAfterDoubleClick_ = true;
    d_->HandleMouseDown(ButtonCode(e->button()), ShiftCode(e->modifiers()), e->position());
}

void XPButton::mouseMoveEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    d_->EnterHover(pos, (e->buttons() & Qt::LeftButton) != 0);
    emit MouseMove(ButtonsCode(e->buttons()), ShiftCode(e->modifiers()),
                   static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

// Qt may announce a cursor that comes back into the window with an enter event and no move, where
// Win32 always sends a move; both start the hover.
void XPButton::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    d_->EnterHover(e->position(), (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0);
}

void XPButtonPrivate::EnterHover(QPointF pos, bool leftDown) {
    const bool inside =
        pos.x() >= 0 && pos.y() >= 0 && pos.x() <= q->width() && pos.y() <= q->height();
    if (hoverActive_ || !inside) {
        return;
    }
    status_ |= XPButton::kHot;
    emit q->MouseOnButton(true);
    modQmTimer::SetProp(q, "qm_ClassID", reinterpret_cast<quintptr>(q));
    modQmTimer::SetProp(q, "qm_TimerID", modQmTimer::kHoverTimerId);
    modQmTimer::SetTimer(q, modQmTimer::kHoverTimerId, modQmTimer::kHoverIntervalMs,
                         &HoverTimerProc);
    hoverActive_ = true;
    suspended_ = false;
    if (leftDown) {
        held_ = true;
    }
    q->Refresh();
}

void XPButton::CheckHover(quintptr timerId) {
    if (modQmTimer::WindowFromCursor() == this) {
        return;
    }
    modQmTimer::KillTimer(this, timerId);
    d_->status_ &= ~kHot;
    d_->hoverActive_ = false;
    d_->suspended_ = false;
    emit MouseOnButton(false);
    d_->held_ = false;
    Refresh();
}

void XPButton::mouseReleaseEvent(QMouseEvent* e) {
    const qint16 button = ButtonCode(e->button());
    d_->held_ = false;
    if (button == 1) {
        d_->SetPressed(false);
        d_->suspended_ = false;
        if (d_->type_ == ButtonType::Command) {
            Refresh();
        }
    }
    const QPointF pos = e->position();
    emit MouseUp(button, ShiftCode(e->modifiers()), static_cast<float>(pos.x()),
                 static_cast<float>(pos.y()));
    d_->lastButton_ = button;
    // A click needs the release over the button (inside its shape); the release that ends a
    // double click is no click of its own.
    const bool over = d_->region_.isEmpty()
                          ? rect().contains(pos.toPoint())
                          : d_->region_.contains(pos.toPoint()) && rect().contains(pos.toPoint());
    if (over && d_->clickAfterDoubleClick_) {
        d_->HandleClick();
    }
    d_->clickAfterDoubleClick_ = true;
}

void XPButtonPrivate::HandleClick() {
    if (lastButton_ != 1) {
        return;
    }
    if (type_ == ButtonType::Check || type_ == ButtonType::Option) {
        if (type_ == ButtonType::Option && value_) {
            return;
        }
        q->setValue(!value_);
    }
    emit q->Click();
}

void XPButton::mouseDoubleClickEvent(QMouseEvent* e) {
    const qint16 button = ButtonCode(e->button());
    const QPointF pos = mapFromGlobal(e->globalPosition());
    emit DoubleClick(button);  // the button of the press just before, as the last mouse button
    d_->clickAfterDoubleClick_ = false;
    if (button == 1) {
        d_->HandleMouseDown(1, 0, pos);
        d_->lastButton_ = -1;
    } else {
        // The second press of another button is reported like any press of that button.
        d_->HandleMouseDown(button, ShiftCode(e->modifiers()), e->position());
    }
}

// --- keyboard -------------------------------------------------------------------------------

// Space presses the button and the arrows go to the container; every other key is raised as
// KeyDown and then left to the parent widgets, so that a host's own keys (F1, Enter) still work
// while a button has the focus.
void XPButton::keyPressEvent(QKeyEvent* e) {
    const qint16 vk = VirtualKey(e->key());
    const qint16 shift = ShiftCode(e->modifiers());
    const bool arrow = IsArrow(vk);
    const bool space = vk == kVkSpace;
    if (arrow) {
        if (QWidget* host = d_->Container()) {
            // The host moves the focus or handles the arrow itself.
            QCoreApplication::postEvent(
                host, new QKeyEvent(QEvent::KeyPress, e->key(), e->modifiers(), ArrowScanCode(vk),
                                    static_cast<quint32>(vk), 0, QString(), false, 1));
        }
    } else if (space && (d_->status_ & kPressed) == 0) {
        d_->status_ |= kHot;
        d_->SetPressed(true);
        d_->held_ = true;
        Refresh();
        if (!d_->hoverActive_) {
            d_->status_ &= ~kHot;
        }
    }
    if (!arrow) {
        emit KeyDown(vk, shift);
    }
    const QString text = e->text();
    if (!text.isEmpty()) {
        emit KeyPress(static_cast<qint16>(text.at(0).unicode()));
    }
    if (arrow || space) {
        e->accept();
    } else {
        QWidget::keyPressEvent(e);  // ignores it: on to the parent
    }
}

void XPButton::keyReleaseEvent(QKeyEvent* e) {
    const qint16 vk = VirtualKey(e->key());
    const qint16 shift = ShiftCode(e->modifiers());
    if (e->isAutoRepeat()) {
        // A held key is one press, as Win32 key messages count it.
        if (vk == kVkSpace) {
            e->accept();
        } else {
            QWidget::keyReleaseEvent(e);
        }
        return;
    }
    d_->held_ = false;
    bool used = false;       // the button acted on the key: it goes no further
    bool raiseKeyUp = true;  // arrows and Shift never raise KeyUp
    if (vk == kVkSpace && (d_->status_ & kPressed)) {
        used = true;
        d_->SetPressed(false);
        d_->lastButton_ = 1;
        if (d_->type_ == ButtonType::Command) {
            Refresh();
        } else {
            emit KeyUp(vk, shift);
            raiseKeyUp = false;
        }
        d_->HandleClick();
    } else if (IsArrow(vk)) {
        raiseKeyUp = false;
        if (d_->type_ == ButtonType::Option && !d_->value_) {
            used = true;
            d_->lastButton_ = 1;
            d_->HandleClick();
        }
    } else if (vk == kVkShift) {
        raiseKeyUp = false;
    }
    if (raiseKeyUp) {
        emit KeyUp(vk, shift);
    }
    if (used) {
        e->accept();
    } else {
        QWidget::keyReleaseEvent(e);
    }
}

void XPButtonPrivate::SetPressed(bool pressed) {
    if (((status_ & XPButton::kPressed) != 0) == pressed) {
        return;
    }
    if (pressed) {
        status_ |= XPButton::kPressed;
    } else {
        status_ &= ~XPButton::kPressed;
    }
    QAccessible::State changed;
    changed.pressed = true;
    accessibility::StateChanged(q, changed);
}

void XPButton::PerformClick() {
    d_->lastButton_ = 1;
    d_->HandleClick();
}

void XPButton::AccessKeyPress(int keyAscii) {
    const bool enterOrEsc = keyAscii == 13 || keyAscii == 27;
    if (enterOrEsc && d_->IsCheckOrOption()) {
        return;
    }
    if (!enterOrEsc && (d_->status_ & kDefaultLook) == 0) {
        Refresh();
    }
    d_->lastButton_ = 1;
    d_->HandleClick();
}

bool XPButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->shortcutId() == d_->shortcutId_ && !d_->accessKeys_.isEmpty()) {
            AccessKeyPress(d_->accessKeys_.at(0).toUpper().unicode());
            return true;
        }
    }
    return QWidget::event(e);
}

// --- focus and the container ----------------------------------------------------------------

void XPButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (d_->type_ == ButtonType::Option && !d_->value_ && !d_->AnyInGroupSelected()) {
        d_->lastButton_ = 1;
        d_->HandleClick();
    }
    d_->ShowDefaultLookIfFocused();
}

void XPButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    d_->ShowDefaultLookIfFocused();
}

// The built-in ambient gives the default look to the focused button; a host ambient decides
// itself and tells the button.
void XPButtonPrivate::ShowDefaultLookIfFocused() {
    if (&q->Ambient() == &DefaultAmbient::Instance()) {
        q->AmbientChanged(QStringLiteral("DisplayAsDefault"));
    }
}

void XPButton::AmbientChanged(const QString& name) {
    if (name == QLatin1String("DisplayAsDefault")) {
        if (d_->showFocusRect_ && Ambient().DisplayAsDefault(*this)) {
            d_->status_ |= kDefaultLook;
        } else {
            d_->status_ &= ~kDefaultLook;
        }
        Refresh();
    } else if (name == QLatin1String("BackColor")) {
        d_->containerBack_ = TranslateColor(Ambient().BackColor(*this));
        if (d_->Elliptic() || d_->style_ == FaceStyle::HoverEdge) {
            Refresh();
        }
    }
}

}  // namespace qm
