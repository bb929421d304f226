// SPDX-License-Identifier: MIT
// The setters of style, mode, caption, picture, font and state: range checks, their side effects
// and design-time messages.
#include <QKeySequence>

#include "widgets/xpbutton_accessible.h"
#include "widgets/xpbutton_p.h"

namespace qm {

namespace {

const QString kMsgValueOnCommand =
    QStringLiteral("This property is not applicable for command button modes.");
const QString kMsgCaptionAlign = QStringLiteral(
    "When button images are aligned top/bottom center, \r\n"
    "button captions can only be center aligned");
const QString kMsgFocusRect = QStringLiteral(
    "The focus rectangle may appear on default buttons ONLY while in design mode, "
    "\r\nbut will not appear when the form is running.");

}  // namespace

void XPButton::setButtonStyle(int style) {
    if (!AssignInRange(style, FaceStyle::Bevelled, d_->style_)) {
        return;
    }
    d_->ApplyShape();
    d_->LayoutCaption();
    d_->RefreshDerivedColors();
    Refresh();
    d_->Notify("BackStyle");
}

void XPButton::setMode(int mode) {
    if (!InRange(mode, ButtonType::Option)) {
        return;
    }
    const auto type = static_cast<ButtonType>(mode);
    if (d_->type_ == ButtonType::Option && type != ButtonType::Option) {
        d_->LeaveGroup();
    }
    if (d_->type_ < ButtonType::Option && type == ButtonType::Option) {
        d_->JoinGroup();
    }
    if (type == ButtonType::Command && d_->IsCheckOrOption()) {
        setValue(false);
    }
    d_->type_ = type;
    Refresh();
    d_->Notify("Mode");
}

void XPButton::setValue(bool value) {
    if (value && d_->type_ == ButtonType::Command) {
        if (d_->DesignMode()) {
            ShowInfoMessage(this, kMsgValueOnCommand);
        }
        return;
    }
    const bool changed = value != d_->value_;
    d_->value_ = value;
    if (changed) {
        QAccessible::State checked;
        checked.checked = true;
        accessibility::StateChanged(this, checked);
    }
    if (value && d_->type_ == ButtonType::Option) {
        d_->SelectInGroup();
    }
    Refresh();
    d_->Notify("Value");
}

void XPButtonPrivate::SetAccessKeyFromCaption(const QString& caption) {
    // Pairs "&&" are literal ampersands; of the single markers, the last one wins. Scanning from
    // the left pairs the ampersands the same way the text drawing does.
    QChar key;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (i + 1 < caption.size()) {
            key = caption[i + 1];
            ++i;
        }
    }
    if (!key.isNull()) {
        q->setAccessKeys(QString(key));
    }
}

void XPButton::setAccessKeys(const QString& keys) {
    d_->accessKeys_ = keys;
    if (d_->shortcutId_ != 0) {
        releaseShortcut(d_->shortcutId_);
        d_->shortcutId_ = 0;
    }
    if (!keys.isEmpty()) {
        d_->shortcutId_ = grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + keys.left(1)));
    }
}

void XPButton::setCaption(const QString& caption) {
    d_->SetAccessKeyFromCaption(caption);
    const bool changed = caption != d_->caption_;
    d_->caption_ = caption;
    d_->LayoutCaption();
    Refresh();
    if (changed) {
        accessibility::NameChanged(this);
    }
    d_->Notify("Caption");
}

void XPButton::setCaptionAlign(int align) {
    if (!InRange(align, CaptionAlignment::Centre)) {
        return;
    }
    const bool accepted = align == Stored(CaptionAlignment::Centre) ||
                          d_->picturePlace_ <= PicturePlace::AfterCaption ||
                          d_->pictureWidth_ + d_->pictureHeight_ < 1;
    if (!accepted) {
        if (d_->DesignMode()) {
            ShowInfoMessage(this, kMsgCaptionAlign);
        }
        return;
    }
    d_->captionAlign_ = static_cast<CaptionAlignment>(align);
    d_->Relayout("CapAlign");
}

void XPButton::setCaptionStyle(int style) {
    if (!AssignInRange(style, CaptionEffect::Embossed, d_->captionEffect_)) {
        return;
    }
    d_->Notify("CapStyle");
    if (!d_->caption_.isEmpty()) {
        d_->LayoutCaption();
        Refresh();
    }
}

void XPButton::setButtonShape(int shape) {
    if (!AssignInRange(shape, Shape::EllipseBlackRing, d_->shape_)) {
        return;
    }
    if (d_->shape_ == Shape::SlantedBoth) {
        d_->captionAlign_ = CaptionAlignment::Centre;
    }
    d_->suspended_ = false;
    d_->ResizeHandling();
    d_->Notify("Shape");
}

void XPButton::setPicture(const XPPicture& picture) {
    d_->picture_ = picture;
    if (d_->pictureSize_ == 0) {
        d_->pictureSize_ = Stored(PicturePixels::Small);
    }
    d_->RefreshPicture();
    d_->Relayout("Image");
}

void XPButton::setPictureAlign(int align) {
    if (!AssignInRange(align, PicturePlace::BottomCentre, d_->picturePlace_)) {
        return;
    }
    if (d_->picturePlace_ == PicturePlace::TopCentre ||
        d_->picturePlace_ == PicturePlace::BottomCentre) {
        setCaptionAlign(Stored(CaptionAlignment::Centre));
    }
    d_->Relayout("ImgAlign");
}

void XPButton::setEnabled(bool enabled) {
    if (enabled == isEnabled()) {
        return;
    }
    QWidget::setEnabled(enabled);  // changeEvent runs EnabledChanged
}

void XPButtonPrivate::EnabledChanged() {
    if (style_ == FaceStyle::Etched && type_ == ButtonType::Command) {
        // The etched style cuts its corners only while enabled.
        suspended_ = true;
        ApplyShape();
        LayoutCaption();
        q->DelayDrawing(false);
    } else {
        q->Refresh();
    }
    Notify("Enabled");
}

void XPButton::setShowFocusRect(bool show) {
    d_->showFocusRect_ = show;
    if (d_->status_ & kDefaultLook) {
        if (d_->DesignMode()) {
            ShowInfoMessage(this, kMsgFocusRect);
        } else {
            d_->status_ &= ~kDefaultLook;
            Refresh();
        }
    } else {
        Refresh();
    }
    d_->Notify("Focus");
}

void XPButton::setPictureSize(int size) {
    if (size < 0 || size > 4) {
        return;
    }
    d_->pictureSize_ = (size + 2) * 8;
    d_->Relayout("ImgSize");
}

void XPButton::setFont(const QFont& f) {
    if (f == font() && f.resolveMask() == font().resolveMask()) {
        d_->FontChanged();  // the same font still refreshes, as any Font assignment does
        return;
    }
    QWidget::setFont(f);  // changeEvent runs FontChanged
}

void XPButtonPrivate::FontChanged() {
    RefreshFont();
    Relayout("Font");
}

int XPButton::FontStyle() const {
    const QFont& f = font();
    return (f.bold() ? 2 : 0) | (f.italic() ? 4 : 0) | (f.underline() ? 8 : 0);
}

void XPButton::setFontStyle(int style) {
    QFont f = font();
    f.setBold((style & 2) != 0);
    f.setItalic((style & 4) != 0);
    f.setUnderline((style & 8) != 0);
    d_->inFontChange_ = true;
    QWidget::setFont(f);
    d_->inFontChange_ = false;
    d_->RefreshFont();
    d_->LayoutCaption();
    d_->Notify("Font");
    Refresh();
}

}  // namespace qm
