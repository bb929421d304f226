// The property setters: range checks, their side effects and design-time messages.
#include <QCursor>
#include <QKeySequence>
#include <QPixmap>

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
const QString kMsgIconTitle = QStringLiteral("Select .ico Or .cur Files Only");
const QString kMsgInvalidPicture = QStringLiteral("Invalid picture");

// Whether value is one of the enumeration's values 0..last.
template <typename E>
bool InRange(int value, E last) {
    return value >= 0 && value <= Stored(last);
}

Qt::CursorShape PointerShape(Pointer pointer) {
    switch (pointer) {
        case Pointer::Cross:
            return Qt::CrossCursor;
        case Pointer::IBeam:
            return Qt::IBeamCursor;
        case Pointer::Size:
        case Pointer::SizeAll:
            return Qt::SizeAllCursor;
        case Pointer::SizeNESW:
            return Qt::SizeBDiagCursor;
        case Pointer::SizeNS:
            return Qt::SizeVerCursor;
        case Pointer::SizeNWSE:
            return Qt::SizeFDiagCursor;
        case Pointer::SizeWE:
            return Qt::SizeHorCursor;
        case Pointer::UpArrow:
            return Qt::UpArrowCursor;
        case Pointer::Hourglass:
            return Qt::WaitCursor;
        case Pointer::NoDrop:
            return Qt::ForbiddenCursor;
        case Pointer::ArrowHourglass:
            return Qt::BusyCursor;
        case Pointer::ArrowQuestion:
            return Qt::WhatsThisCursor;
        case Pointer::Icon:  // the Win32 "icon" pointer has no counterpart
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

// --- reading the properties and the state -----------------------------------------------------

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

void XPButton::setButtonStyle(int style) {
    if (!InRange(style, FaceStyle::Bevelled)) {
        return;
    }
    d_->style_ = static_cast<FaceStyle>(style);
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
    d_->LayoutCaption();
    Refresh();
    d_->Notify("CapAlign");
}

void XPButton::setCaptionStyle(int style) {
    if (!InRange(style, CaptionEffect::Embossed)) {
        return;
    }
    d_->captionEffect_ = static_cast<CaptionEffect>(style);
    d_->Notify("CapStyle");
    if (!d_->caption_.isEmpty()) {
        d_->LayoutCaption();
        Refresh();
    }
}

void XPButton::setButtonShape(int shape) {
    if (!InRange(shape, Shape::EllipseBlackRing)) {
        return;
    }
    d_->shape_ = static_cast<Shape>(shape);
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
    d_->LayoutCaption();
    Refresh();
    d_->Notify("Image");
}

void XPButton::setPictureAlign(int align) {
    if (!InRange(align, PicturePlace::BottomCentre)) {
        return;
    }
    d_->picturePlace_ = static_cast<PicturePlace>(align);
    if (d_->picturePlace_ == PicturePlace::TopCentre ||
        d_->picturePlace_ == PicturePlace::BottomCentre) {
        setCaptionAlign(Stored(CaptionAlignment::Centre));
    }
    d_->LayoutCaption();
    Refresh();
    d_->Notify("ImgAlign");
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
    d_->LayoutCaption();
    Refresh();
    d_->Notify("ImgSize");
}

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

void XPButton::setFont(const QFont& f) {
    if (f == font() && f.resolveMask() == font().resolveMask()) {
        d_->FontChanged();  // the same font still refreshes, as any Font assignment does
        return;
    }
    QWidget::setFont(f);  // changeEvent runs FontChanged
}

void XPButtonPrivate::FontChanged() {
    RefreshFont();
    LayoutCaption();
    q->Refresh();
    Notify("Font");
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
    if (d_->HoverBackFollows()) {
        d_->hoverBackColor_ = d_->gradient_ != Gradient::None ? d_->gradientColor_ : d_->backColor_;
    }
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
    if (!InRange(mode, Gradient::VerticalReversed)) {
        return;
    }
    d_->gradient_ = static_cast<Gradient>(mode);
    if (d_->HoverBackFollows()) {
        d_->hoverBackColor_ = d_->gradient_ == Gradient::None ? d_->backColor_ : d_->gradientColor_;
        d_->RefreshDerivedColors();
    }
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
        d_->hoverBackColor_ = d_->gradient_ != Gradient::None ? d_->gradientColor_ : d_->backColor_;
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
