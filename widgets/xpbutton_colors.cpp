// SPDX-License-Identifier: MIT
// The colour properties: fore, back and gradient colours, and the hover colours that follow them
// unless locked.
#include "widgets/xpbutton_p.h"

namespace qm {

void XPButton::setForeColor(OleColor color) {
    if (color == d_->foreColor_) {
        return;
    }
    d_->foreColor_ = color;
    if (d_->HoverForeFollows()) {
        d_->hoverForeColor_ = d_->foreColor_;
    }
    d_->suspended_ = false;
    d_->RedrawButton();
    d_->Notify("cFore");
}

void XPButton::setBackColor(OleColor color) {
    d_->backColor_ = TranslateColor(color);
    d_->FollowHoverBack();
    d_->RefreshDerivedColors();
    Refresh();
    d_->Notify("cBack");
}

void XPButton::setGradientColor(OleColor color) {
    if (d_->HoverBackFollows() && d_->gradient_ > Gradient::None) {
        d_->hoverBackColor_ = color;
    }
    d_->gradientColor_ = color;
    d_->RefreshDerivedColors();
    if (d_->gradient_ != Gradient::None) {
        Refresh();
    }
    d_->Notify("cGradient");
}

void XPButton::setGradientMode(int mode) {
    if (!AssignInRange(mode, Gradient::VerticalReversed, d_->gradient_)) {
        return;
    }
    d_->FollowHoverBack();
    d_->RefreshDerivedColors();
    Refresh();
    d_->Notify("Gradient");
}

void XPButton::setResetDefaultColors(bool reset) {
    if (!reset || !d_->DesignMode()) {
        return;
    }
    d_->suspended_ = true;
    d_->backColor_ = kButtonFace;
    setForeColor(kButtonText);
    setGradientColor(kButtonFace);
    setGradientMode(Stored(Gradient::None));
    setHoverColorLocks(Stored(HoverLock::None));
    d_->RefreshDerivedColors();
    DelayDrawing(false);
    d_->Notify("cGradient");
    d_->Notify("cBack");
}

void XPButton::setHoverColorLocks(int locks) {
    d_->hoverLocks_ = static_cast<HoverLock>(locks);  // any value is stored
    if (d_->HoverBackFollows()) {
        d_->FollowHoverBack();
        d_->Notify("cBHover");
    }
    if (d_->HoverForeFollows()) {
        d_->hoverForeColor_ = d_->foreColor_;
        d_->Notify("cFHover");
    }
    d_->RefreshDerivedColors();
    Refresh();
    d_->Notify("LockHover");
}

void XPButton::setHoverForeColor(OleColor color) {
    if (color == d_->hoverForeColor_) {
        return;
    }
    d_->hoverForeColor_ = color;
    d_->Notify("cFHover");
    if (color != d_->foreColor_) {
        if (d_->hoverLocks_ == HoverLock::None) {
            d_->hoverLocks_ = HoverLock::ForeColour;
        } else if (d_->hoverLocks_ == HoverLock::BackColour) {
            d_->hoverLocks_ = HoverLock::Both;
        }
        d_->Notify("cFHover");
    }
    Refresh();
}

void XPButton::setHoverBackColor(OleColor color) {
    if (color == d_->hoverBackColor_) {
        return;
    }
    d_->hoverBackColor_ = color;
    if (color != d_->backColor_) {
        if (d_->hoverLocks_ == HoverLock::None) {
            d_->hoverLocks_ = HoverLock::BackColour;
        } else if (d_->hoverLocks_ == HoverLock::ForeColour) {
            d_->hoverLocks_ = HoverLock::Both;
        }
    }
    d_->RefreshDerivedColors();
    Refresh();
    d_->Notify("cBHover");
}

}  // namespace qm
