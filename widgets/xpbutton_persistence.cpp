// SPDX-License-Identifier: MIT
// The initial properties of a newly placed button, and reading and writing a layout section.
#include "widgets/xpbutton_p.h"

namespace qm {

void XPButton::InitProperties() {
    d_->tag_ = QString::number(reinterpret_cast<quintptr>(d_->Container()));
    d_->containerBack_ = TranslateColor(Ambient().BackColor(*this));
    d_->caption_ = Ambient().DisplayName(*this);
    d_->captionAlign_ = CaptionAlignment::Centre;
    d_->showFocusRect_ = true;
    d_->hoverForeColor_ = kButtonText;
    d_->hoverBackColor_ = kButtonFace;
    d_->backColor_ = kButtonFace;
    d_->RefreshFont();
    d_->RefreshDerivedColors();
    d_->Notify("Caption");
    d_->Notify("CapAlign");
    d_->Notify("Focus");
    d_->Notify("cFHover");
    d_->Notify("cBHover");
}

void XPButton::ReadProperties(const PropertySection& bag) {
    d_->tag_ = QString::number(reinterpret_cast<quintptr>(d_->Container()));
    d_->containerBack_ = TranslateColor(Ambient().BackColor(*this));
    // Reading assigns the mode directly; a button already in a group leaves it first so that a
    // re-read never leaves a stale or duplicate entry.
    if (d_->groupHost_ != nullptr) {
        d_->LeaveGroup();
    }
    d_->suspended_ = true;
    d_->caption_ = bag.ReadString(QStringLiteral("Caption"), QString());
    d_->captionAlign_ = static_cast<CaptionAlignment>(
        bag.ReadInt(QStringLiteral("CapAlign"), Stored(CaptionAlignment::Centre)));
    d_->style_ = static_cast<FaceStyle>(bag.ReadInt(QStringLiteral("BackStyle"), 0));
    d_->shape_ = static_cast<Shape>(bag.ReadInt(QStringLiteral("Shape"), 0));
    d_->gradient_ = static_cast<Gradient>(bag.ReadInt(QStringLiteral("Gradient"), 0));
    d_->gradientColor_ = bag.ReadColor(QStringLiteral("cGradient"), kButtonFace);
    d_->foreColor_ = bag.ReadColor(QStringLiteral("cFore"), kButtonText);
    {
        const QFont f = bag.ReadFont(QStringLiteral("Font"), font());
        d_->inFontChange_ = true;  // the font is refreshed below with the other resources
        QWidget::setFont(f);
        d_->inFontChange_ = false;
    }
    d_->showFocusRect_ = bag.ReadBool(QStringLiteral("Focus"), true);
    d_->type_ = static_cast<ButtonType>(bag.ReadInt(QStringLiteral("Mode"), 0));
    d_->value_ = bag.ReadBool(QStringLiteral("Value"), false);
    d_->picture_ = bag.ReadPicture(QStringLiteral("Image"));
    d_->pictureSize_ = static_cast<std::int16_t>(
        bag.ReadInt(QStringLiteral("ImgSize"), Stored(PicturePixels::Small)));
    d_->picturePlace_ = static_cast<PicturePlace>(bag.ReadInt(QStringLiteral("ImgAlign"), 0));
    d_->hoverForeColor_ = bag.ReadColor(QStringLiteral("cFHover"), kButtonText);
    {
        const bool enabled = bag.ReadBool(QStringLiteral("Enabled"), true);
        d_->inEnabledChange_ = true;
        QWidget::setEnabled(enabled);
        d_->inEnabledChange_ = false;
    }
    d_->backColor_ = bag.ReadColor(QStringLiteral("cBack"), Ambient().BackColor(*this));
    d_->hoverBackColor_ = bag.ReadColor(QStringLiteral("cBHover"), d_->backColor_);
    d_->hoverLocks_ = static_cast<HoverLock>(bag.ReadInt(QStringLiteral("LockHover"), 0));
    d_->captionEffect_ = static_cast<CaptionEffect>(bag.ReadInt(QStringLiteral("CapStyle"), 0));
    setMouseIcon(bag.ReadPicture(QStringLiteral("mIcon")));
    setMousePointer(bag.ReadInt(QStringLiteral("mPointer"), 0));
    d_->RefreshPicture();
    d_->RefreshFont();
    d_->RefreshDerivedColors();
    setCaption(d_->caption_);
    if (d_->type_ == ButtonType::Option) {
        d_->JoinGroup();
    }
    d_->suspended_ = false;
    d_->ResizeHandling();
}

void XPButton::WriteProperties(PropertySection& bag) const {
    bag.Clear();
    bag.WriteString(QStringLiteral("Caption"), d_->caption_, QString());
    bag.WriteInt(QStringLiteral("CapAlign"), Stored(d_->captionAlign_),
                 Stored(CaptionAlignment::Centre));
    bag.WriteInt(QStringLiteral("BackStyle"), Stored(d_->style_), 0);
    bag.WriteInt(QStringLiteral("Shape"), Stored(d_->shape_), 0);
    bag.WriteFont(QStringLiteral("Font"), font());
    bag.WriteColor(QStringLiteral("cFore"), d_->foreColor_, kButtonText);
    bag.WriteColor(QStringLiteral("cFHover"), d_->hoverForeColor_, kButtonText);
    bag.WriteColor(QStringLiteral("cBhover"), d_->hoverBackColor_, d_->backColor_);
    bag.WriteBool(QStringLiteral("Focus"), d_->showFocusRect_, true);
    bag.WriteInt(QStringLiteral("LockHover"), Stored(d_->hoverLocks_), 0);
    bag.WriteColor(QStringLiteral("cGradient"), d_->gradientColor_, kButtonFace);
    bag.WriteInt(QStringLiteral("Gradient"), Stored(d_->gradient_), 0);
    bag.WriteInt(QStringLiteral("CapStyle"), Stored(d_->captionEffect_), 0);
    bag.WriteInt(QStringLiteral("Mode"), Stored(d_->type_));
    bag.WriteBool(QStringLiteral("Value"), d_->value_);
    bag.WriteInt(QStringLiteral("ImgAlign"), Stored(d_->picturePlace_), 0);
    bag.WritePicture(QStringLiteral("Image"), d_->picture_);
    bag.WriteInt(QStringLiteral("ImgSize"), d_->pictureSize_, Stored(PicturePixels::Small));
    bag.WriteBool(QStringLiteral("Enabled"), isEnabled(), true);
    bag.WriteColor(QStringLiteral("cBack"), d_->backColor_);
    bag.WriteInt(QStringLiteral("mPointer"), Stored(d_->pointer_), 0);
    bag.WritePicture(QStringLiteral("mIcon"), d_->mouseIcon_);
}

}  // namespace qm
