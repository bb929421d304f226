// SPDX-License-Identifier: MIT
// The property getters, and the state a host or a test reads.
#include "widgets/xpbutton_p.h"

namespace qm {

int XPButton::ButtonStyle() const {
    return Stored(d_->style_);
}

int XPButton::Mode() const {
    return Stored(d_->type_);
}

bool XPButton::value() const {
    return d_->value_;
}

QString XPButton::caption() const {
    return d_->caption_;
}

int XPButton::CaptionAlign() const {
    return Stored(d_->captionAlign_);
}

int XPButton::CaptionStyle() const {
    return Stored(d_->captionEffect_);
}

int XPButton::ButtonShape() const {
    return Stored(d_->shape_);
}

XPPicture XPButton::Picture() const {
    return d_->picture_;
}

int XPButton::PictureAlign() const {
    return Stored(d_->picturePlace_);
}

bool XPButton::ShowFocusRect() const {
    return d_->showFocusRect_;
}

int XPButton::PictureSize() const {
    return d_->PixelSize() / 8 - 2;
}

int XPButton::MousePointer() const {
    return Stored(d_->pointer_);
}

XPPicture XPButton::MouseIcon() const {
    return d_->mouseIcon_;
}

OleColor XPButton::ForeColor() const {
    return d_->foreColor_;
}

OleColor XPButton::BackColor() const {
    return d_->backColor_;
}

OleColor XPButton::GradientColor() const {
    return d_->gradientColor_;
}

int XPButton::GradientMode() const {
    return Stored(d_->gradient_);
}

int XPButton::HoverColorLocks() const {
    return Stored(d_->hoverLocks_);
}

OleColor XPButton::HoverForeColor() const {
    return d_->hoverForeColor_;
}

OleColor XPButton::HoverBackColor() const {
    return d_->hoverBackColor_;
}

qulonglong XPButton::hDC() const {
    return reinterpret_cast<quintptr>(static_cast<const QPaintDevice*>(this));
}

qulonglong XPButton::hwnd() const {
    return reinterpret_cast<quintptr>(this);
}

QString XPButton::Tag() const {
    return d_->tag_;
}

void XPButton::setTag(const QString& tag) {
    d_->tag_ = tag;
}

QString XPButton::AccessKeys() const {
    return d_->accessKeys_;
}

std::int16_t XPButton::StatusFlags() const {
    return d_->status_;
}

bool XPButton::HoverActive() const {
    return d_->hoverActive_;
}

bool XPButton::Held() const {
    return d_->held_;
}

bool XPButton::DrawingSuspended() const {
    return d_->suspended_;
}

const QImage& XPButton::Buffer() const {
    return d_->buffer_;
}

const QRegion& XPButton::ShapeRegion() const {
    return d_->region_;
}

QRect XPButton::CaptionRect() const {
    return d_->captionRect_;
}

QRect XPButton::PictureRect() const {
    return d_->pictureRect_;
}

int XPButton::ShapeLeftInset() const {
    return d_->leftInset_;
}

int XPButton::FaceRightEdge() const {
    return d_->faceRight_;
}

std::array<OleColor, 4> XPButton::DerivedColors() const {
    return {d_->faceColor_, d_->pressedColor_, d_->hoverFaceColor_, d_->checkedColor_};
}

}  // namespace qm
