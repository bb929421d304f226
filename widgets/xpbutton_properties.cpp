// The property setters: range checks, their side effects and design-time messages.
#include <QCursor>
#include <QKeySequence>
#include <QPixmap>

#include "widgets/xpbutton.h"
#include "widgets/xpbutton_accessible.h"

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

void XPButton::setButtonStyle(int style) {
    if (!InRange(style, FaceStyle::Bevelled)) {
        return;
    }
    style_ = static_cast<FaceStyle>(style);
    ApplyShape();
    LayoutCaption();
    RefreshDerivedColors();
    Refresh();
    Notify("BackStyle");
}

void XPButton::setMode(int mode) {
    if (!InRange(mode, ButtonType::Option)) {
        return;
    }
    const auto type = static_cast<ButtonType>(mode);
    if (type_ == ButtonType::Option && type != ButtonType::Option) {
        OptionToggle(Toggle::Leave);
    }
    if (type_ < ButtonType::Option && type == ButtonType::Option) {
        OptionToggle(Toggle::Join);
    }
    if (type == ButtonType::Command && IsCheckOrOption()) {
        setValue(false);
    }
    type_ = type;
    Refresh();
    Notify("Mode");
}

void XPButton::setValue(bool value) {
    if (value && type_ == ButtonType::Command) {
        if (DesignMode()) {
            ShowInfoMessage(this, kMsgValueOnCommand);
        }
        return;
    }
    const bool changed = value != value_;
    value_ = value;
    if (changed) {
        QAccessible::State checked;
        checked.checked = true;
        accessibility::StateChanged(this, checked);
    }
    if (value && type_ == ButtonType::Option) {
        OptionToggle(Toggle::Select);
    }
    Refresh();
    Notify("Value");
}

void XPButton::SetAccessKeyFromCaption(const QString& caption) {
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
        setAccessKeys(QString(key));
    }
}

void XPButton::setAccessKeys(const QString& keys) {
    accessKeys_ = keys;
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    if (!keys.isEmpty()) {
        shortcutId_ = grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + keys.left(1)));
    }
}

void XPButton::setCaption(const QString& caption) {
    SetAccessKeyFromCaption(caption);
    const bool changed = caption != caption_;
    caption_ = caption;
    LayoutCaption();
    Refresh();
    if (changed) {
        accessibility::NameChanged(this);
    }
    Notify("Caption");
}

void XPButton::setCaptionAlign(int align) {
    if (!InRange(align, CaptionAlignment::Centre)) {
        return;
    }
    const bool accepted = align == Stored(CaptionAlignment::Centre) ||
                          picturePlace_ <= PicturePlace::AfterCaption ||
                          pictureWidth_ + pictureHeight_ < 1;
    if (!accepted) {
        if (DesignMode()) {
            ShowInfoMessage(this, kMsgCaptionAlign);
        }
        return;
    }
    captionAlign_ = static_cast<CaptionAlignment>(align);
    LayoutCaption();
    Refresh();
    Notify("CapAlign");
}

void XPButton::setCaptionStyle(int style) {
    if (!InRange(style, CaptionEffect::Embossed)) {
        return;
    }
    captionEffect_ = static_cast<CaptionEffect>(style);
    Notify("CapStyle");
    if (!caption_.isEmpty()) {
        LayoutCaption();
        Refresh();
    }
}

void XPButton::setButtonShape(int shape) {
    if (!InRange(shape, Shape::EllipseBlackRing)) {
        return;
    }
    shape_ = static_cast<Shape>(shape);
    if (shape_ == Shape::SlantedBoth) {
        captionAlign_ = CaptionAlignment::Centre;
    }
    suspended_ = false;
    ResizeHandling();
    Notify("Shape");
}

void XPButton::setPicture(const XPPicture& picture) {
    picture_ = picture;
    if (pictureSize_ == 0) {
        pictureSize_ = Stored(PicturePixels::Small);
    }
    RefreshPicture();
    LayoutCaption();
    Refresh();
    Notify("Image");
}

void XPButton::setPictureAlign(int align) {
    if (!InRange(align, PicturePlace::BottomCentre)) {
        return;
    }
    picturePlace_ = static_cast<PicturePlace>(align);
    if (picturePlace_ == PicturePlace::TopCentre || picturePlace_ == PicturePlace::BottomCentre) {
        setCaptionAlign(Stored(CaptionAlignment::Centre));
    }
    LayoutCaption();
    Refresh();
    Notify("ImgAlign");
}

void XPButton::setEnabled(bool enabled) {
    if (enabled == isEnabled()) {
        return;
    }
    QWidget::setEnabled(enabled);  // changeEvent runs EnabledChanged
}

void XPButton::EnabledChanged() {
    if (style_ == FaceStyle::Etched && type_ == ButtonType::Command) {
        // The etched style cuts its corners only while enabled.
        suspended_ = true;
        ApplyShape();
        LayoutCaption();
        DelayDrawing(false);
    } else {
        Refresh();
    }
    Notify("Enabled");
}

void XPButton::setShowFocusRect(bool show) {
    showFocusRect_ = show;
    if (status_ & kDefaultLook) {
        if (DesignMode()) {
            ShowInfoMessage(this, kMsgFocusRect);
        } else {
            status_ &= ~kDefaultLook;
            Refresh();
        }
    } else {
        Refresh();
    }
    Notify("Focus");
}

void XPButton::setPictureSize(int size) {
    if (size < 0 || size > 4) {
        return;
    }
    pictureSize_ = (size + 2) * 8;
    LayoutCaption();
    Refresh();
    Notify("ImgSize");
}

void XPButton::setMousePointer(int pointer) {
    if (!InRange(pointer, Pointer::SizeAll) && pointer != Stored(Pointer::Custom)) {
        return;
    }
    pointer_ = static_cast<Pointer>(pointer);
    ApplyCursor();
    Notify("mPointer");
}

void XPButton::ApplyCursor() {
    if (pointer_ == Pointer::Default) {
        unsetCursor();
    } else if (pointer_ == Pointer::Custom) {
        if (mouseIcon_.IsValid()) {
            const QPoint hot = mouseIcon_.HotSpot();
            setCursor(QCursor(QPixmap::fromImage(mouseIcon_.Image()), hot.x(), hot.y()));
        } else {
            unsetCursor();
        }
    } else {
        setCursor(PointerShape(pointer_));
    }
}

void XPButton::setMouseIcon(const XPPicture& icon) {
    if (!icon.IsEmpty() && !icon.IsValid()) {
        if (DesignMode()) {
            ShowInfoMessage(this, kMsgInvalidPicture, kMsgIconTitle);
        }
        return;
    }
    mouseIcon_ = icon;
    if (!icon.IsEmpty()) {
        setMousePointer(Stored(Pointer::Custom));
        Notify("mIcon");
    } else {
        ApplyCursor();
    }
}

void XPButton::setFont(const QFont& f) {
    if (f == font() && f.resolveMask() == font().resolveMask()) {
        FontChanged();  // the same font still refreshes, as any Font assignment does
        return;
    }
    QWidget::setFont(f);  // changeEvent runs FontChanged
}

void XPButton::FontChanged() {
    RefreshFont();
    LayoutCaption();
    Refresh();
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
    inFontChange_ = true;
    QWidget::setFont(f);
    inFontChange_ = false;
    RefreshFont();
    LayoutCaption();
    Notify("Font");
    Refresh();
}

void XPButton::setForeColor(OleColor color) {
    if (color == foreColor_) {
        return;
    }
    foreColor_ = color;
    if (HoverForeFollows()) {
        hoverForeColor_ = foreColor_;
    }
    suspended_ = false;
    RedrawButton();
    Notify("cFore");
}

void XPButton::setBackColor(OleColor color) {
    backColor_ = TranslateColor(color);
    if (HoverBackFollows()) {
        hoverBackColor_ = gradient_ != Gradient::None ? gradientColor_ : backColor_;
    }
    RefreshDerivedColors();
    Refresh();
    Notify("cBack");
}

void XPButton::setGradientColor(OleColor color) {
    if (HoverBackFollows() && gradient_ > Gradient::None) {
        hoverBackColor_ = color;
    }
    gradientColor_ = color;
    RefreshDerivedColors();
    if (gradient_ != Gradient::None) {
        Refresh();
    }
    Notify("cGradient");
}

void XPButton::setGradientMode(int mode) {
    if (!InRange(mode, Gradient::VerticalReversed)) {
        return;
    }
    gradient_ = static_cast<Gradient>(mode);
    if (HoverBackFollows()) {
        hoverBackColor_ = gradient_ == Gradient::None ? backColor_ : gradientColor_;
        RefreshDerivedColors();
    }
    Refresh();
    Notify("Gradient");
}

void XPButton::setResetDefaultColors(bool reset) {
    if (!reset || !DesignMode()) {
        return;
    }
    suspended_ = true;
    backColor_ = kButtonFace;
    setForeColor(kButtonText);
    setGradientColor(kButtonFace);
    setGradientMode(Stored(Gradient::None));
    setHoverColorLocks(Stored(HoverLock::None));
    RefreshDerivedColors();
    DelayDrawing(false);
    Notify("cGradient");
    Notify("cBack");
}

void XPButton::setHoverColorLocks(int locks) {
    hoverLocks_ = static_cast<HoverLock>(locks);  // any value is stored
    if (HoverBackFollows()) {
        hoverBackColor_ = gradient_ != Gradient::None ? gradientColor_ : backColor_;
        Notify("cBHover");
    }
    if (HoverForeFollows()) {
        hoverForeColor_ = foreColor_;
        Notify("cFHover");
    }
    RefreshDerivedColors();
    Refresh();
    Notify("LockHover");
}

void XPButton::setHoverForeColor(OleColor color) {
    if (color == hoverForeColor_) {
        return;
    }
    hoverForeColor_ = color;
    Notify("cFHover");
    if (color != foreColor_) {
        if (hoverLocks_ == HoverLock::None) {
            hoverLocks_ = HoverLock::ForeColour;
        } else if (hoverLocks_ == HoverLock::BackColour) {
            hoverLocks_ = HoverLock::Both;
        }
        Notify("cFHover");
    }
    Refresh();
}

void XPButton::setHoverBackColor(OleColor color) {
    if (color == hoverBackColor_) {
        return;
    }
    hoverBackColor_ = color;
    if (color != backColor_) {
        if (hoverLocks_ == HoverLock::None) {
            hoverLocks_ = HoverLock::BackColour;
        } else if (hoverLocks_ == HoverLock::ForeColour) {
            hoverLocks_ = HoverLock::Both;
        }
    }
    RefreshDerivedColors();
    Refresh();
    Notify("cBHover");
}

}  // namespace qm
