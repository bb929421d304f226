// SPDX-License-Identifier: MIT
// Creation and destruction, the container (with the built-in ambient), and the drawing methods.
#include <QEvent>
#include <unordered_set>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton_accessible.h"
#include "widgets/xpbutton_p.h"

namespace qm {

namespace {

std::unordered_set<const XPButton*>& LiveButtons() {
    static std::unordered_set<const XPButton*> live;
    return live;
}

}  // namespace

XPButton::XPButton(QWidget* parent) : QWidget(parent), d_(std::make_unique<XPButtonPrivate>(this)) {
    accessibility::InstallFactory();
    LiveButtons().insert(this);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    InitProperties();
}

XPButton::~XPButton() {
    if (d_->hoverActive_) {
        modQmTimer::KillTimer(this, modQmTimer::kHoverTimerId);
    }
    modQmTimer::RemoveProp(this, "qm_ClassID");
    modQmTimer::RemoveProp(this, "qm_TimerID");
    // A registered option button must not leave its address behind in the group.
    if (d_->groupHost_ != nullptr) {
        d_->LeaveGroup();
    }
    LiveButtons().erase(this);
}

XPButton* XPButton::FromAddress(quintptr address) {
    auto* candidate = reinterpret_cast<XPButton*>(address);
    return LiveButtons().count(candidate) != 0 ? candidate : nullptr;
}

void XPButton::SetAmbient(const XPAmbient* ambient) {
    d_->ambient_ = ambient;
}

// The built-in ambient lives with the button, which it reads as a widget, so that the ambient
// header and its users need nothing of the button.
OleColor DefaultAmbient::BackColor(const XPButton& button) const {
    const QWidget* parent = button.parentWidget();
    if (parent == nullptr) {
        return kButtonFace;
    }
    return FromQRgb(parent->palette().color(parent->backgroundRole()).rgb());
}

QString DefaultAmbient::DisplayName(const XPButton& button) const {
    return button.objectName().isEmpty() ? QStringLiteral("XPButton") : button.objectName();
}

bool DefaultAmbient::UserMode(const XPButton&) const {
    return true;
}

bool DefaultAmbient::DisplayAsDefault(const XPButton& button) const {
    return button.hasFocus();
}

DefaultAmbient& DefaultAmbient::Instance() {
    static DefaultAmbient instance;
    return instance;
}

const XPAmbient& XPButton::Ambient() const {
    if (d_->ambient_ != nullptr) {
        return *d_->ambient_;
    }
    if (const auto* host = dynamic_cast<const XPAmbient*>(parentWidget())) {
        return *host;
    }
    return DefaultAmbient::Instance();
}

// ---------------------------------------------------------------------------------------------
// Methods

void XPButton::Refresh() {
    d_->RedrawButton();
}

void XPButton::DelayDrawing(bool suspend) {
    d_->suspended_ = suspend;
    if (!suspend) {
        Refresh();
    }
}

void XPButton::changeEvent(QEvent* e) {
    switch (e->type()) {
        case QEvent::FontChange:
            if (!d_->inFontChange_) {
                d_->FontChanged();
            }
            break;
        case QEvent::EnabledChange:
            if (!d_->inEnabledChange_) {
                d_->EnabledChanged();
            }
            break;
        case QEvent::PaletteChange:
            // Only the built-in ambient reads the parent's palette; a host ambient tells changes
            // itself.
            if (d_->ambient_ == nullptr &&
                dynamic_cast<const XPAmbient*>(parentWidget()) == nullptr) {
                AmbientChanged(QStringLiteral("BackColor"));
            }
            break;
        default:
            break;
    }
    QWidget::changeEvent(e);
}

}  // namespace qm
