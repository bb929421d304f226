#include "widgets/xpbutton.h"

#include <QCursor>
#include <QEvent>
#include <QKeySequence>
#include <QPixmap>
#include <unordered_set>

#include "widgets/modqmtimer.h"

namespace qm {

namespace {

std::unordered_set<const XPButton*>& LiveButtons() {
    static std::unordered_set<const XPButton*> live;
    return live;
}

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

Qt::CursorShape PointerShape(int pointer) {
    switch (pointer) {
        case 1:
            return Qt::ArrowCursor;
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 4:
            return Qt::ArrowCursor;  // the classic "icon" pointer has no counterpart
        case 5:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        case 15:
            return Qt::SizeAllCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

XPButton::XPButton(QWidget* parent) : QWidget(parent) {
    LiveButtons().insert(this);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    InitProperties();
}

XPButton::~XPButton() {
    if (hoverActive_) {
        modQmTimer::KillTimer(this, modQmTimer::kHoverTimerId);
    }
    modQmTimer::RemoveProp(this, "qm_ClassID");
    modQmTimer::RemoveProp(this, "qm_TimerID");
    // A registered option button must not leave its address behind in the group.
    if (groupHost_ != nullptr) {
        OptionToggle(Toggle::Leave);
    }
    LiveButtons().erase(this);
}

XPButton* XPButton::FromAddress(quintptr address) {
    auto* candidate = reinterpret_cast<XPButton*>(address);
    return LiveButtons().count(candidate) != 0 ? candidate : nullptr;
}

QWidget* XPButton::Container() const {
    return parentWidget();
}

void XPButton::SetAmbient(const XPAmbient* ambient) {
    ambient_ = ambient;
}

const XPAmbient& XPButton::Ambient() const {
    if (ambient_ != nullptr) {
        return *ambient_;
    }
    if (const auto* host = dynamic_cast<const XPAmbient*>(parentWidget())) {
        return *host;
    }
    return DefaultAmbient::Instance();
}

// ---------------------------------------------------------------------------------------------
// Creation and persistence

void XPButton::InitProperties() {
    tag_ = QString::number(reinterpret_cast<quintptr>(Container()));
    containerBack_ = TranslateColor(Ambient().BackColor(*this));
    caption_ = Ambient().DisplayName(*this);
    captionAlign_ = 2;
    showFocusRect_ = true;
    hoverForeColor_ = kButtonText;
    hoverBackColor_ = kButtonFace;
    backColor_ = kButtonFace;
    RefreshResources("Font");
    RefreshResources("BackColor");
    Notify("Caption");
    Notify("CapAlign");
    Notify("Focus");
    Notify("cFHover");
    Notify("cBHover");
}

void XPButton::ReadProperties(const PropertySection& bag) {
    tag_ = QString::number(reinterpret_cast<quintptr>(Container()));
    containerBack_ = TranslateColor(Ambient().BackColor(*this));
    // Reading assigns the mode directly; a button already in a group leaves it first so that a
    // re-read never leaves a stale or duplicate entry.
    if (groupHost_ != nullptr) {
        OptionToggle(Toggle::Leave);
    }
    suspended_ = true;
    caption_ = bag.ReadString(QStringLiteral("Caption"), QString());
    captionAlign_ = bag.ReadInt(QStringLiteral("CapAlign"), 2);
    buttonStyle_ = bag.ReadInt(QStringLiteral("BackStyle"), 0);
    buttonShape_ = bag.ReadInt(QStringLiteral("Shape"), 0);
    gradientMode_ = bag.ReadInt(QStringLiteral("Gradient"), 0);
    gradientColor_ = bag.ReadColor(QStringLiteral("cGradient"), kButtonFace);
    foreColor_ = bag.ReadColor(QStringLiteral("cFore"), kButtonText);
    {
        const QFont f = bag.ReadFont(QStringLiteral("Font"), font());
        inFontChange_ = true;  // the font is refreshed below with the other resources
        QWidget::setFont(f);
        inFontChange_ = false;
    }
    showFocusRect_ = bag.ReadBool(QStringLiteral("Focus"), true);
    mode_ = bag.ReadInt(QStringLiteral("Mode"), 0);
    value_ = bag.ReadBool(QStringLiteral("Value"), false);
    picture_ = bag.ReadPicture(QStringLiteral("Image"));
    pictureSize_ = static_cast<std::int16_t>(bag.ReadInt(QStringLiteral("ImgSize"), 16));
    pictureAlign_ = bag.ReadInt(QStringLiteral("ImgAlign"), 0);
    hoverForeColor_ = bag.ReadColor(QStringLiteral("cFHover"), kButtonText);
    {
        const bool enabled = bag.ReadBool(QStringLiteral("Enabled"), true);
        inEnabledChange_ = true;
        QWidget::setEnabled(enabled);
        inEnabledChange_ = false;
    }
    backColor_ = bag.ReadColor(QStringLiteral("cBack"), Ambient().BackColor(*this));
    hoverBackColor_ = bag.ReadColor(QStringLiteral("cBHover"), backColor_);
    hoverLocks_ = bag.ReadInt(QStringLiteral("LockHover"), 0);
    captionStyle_ = bag.ReadInt(QStringLiteral("CapStyle"), 0);
    setMouseIcon(bag.ReadPicture(QStringLiteral("mIcon")));
    setMousePointer(bag.ReadInt(QStringLiteral("mPointer"), 0));
    RefreshResources("Picture");
    RefreshResources("Font");
    RefreshResources("BackColor");
    setCaption(caption_);
    if (mode_ == 2) {
        OptionToggle(Toggle::Join);
    }
    suspended_ = false;
    ResizeHandling();
}

void XPButton::WriteProperties(PropertySection& bag) const {
    bag.Clear();
    bag.WriteString(QStringLiteral("Caption"), caption_, QString());
    bag.WriteInt(QStringLiteral("CapAlign"), captionAlign_, 2);
    bag.WriteInt(QStringLiteral("BackStyle"), buttonStyle_, 0);
    bag.WriteInt(QStringLiteral("Shape"), buttonShape_, 0);
    bag.WriteFont(QStringLiteral("Font"), font());
    bag.WriteColor(QStringLiteral("cFore"), foreColor_, kButtonText);
    bag.WriteColor(QStringLiteral("cFHover"), hoverForeColor_, kButtonText);
    bag.WriteColor(QStringLiteral("cBhover"), hoverBackColor_, backColor_);
    bag.WriteBool(QStringLiteral("Focus"), showFocusRect_, true);
    bag.WriteInt(QStringLiteral("LockHover"), hoverLocks_, 0);
    bag.WriteColor(QStringLiteral("cGradient"), gradientColor_, kButtonFace);
    bag.WriteInt(QStringLiteral("Gradient"), gradientMode_, 0);
    bag.WriteInt(QStringLiteral("CapStyle"), captionStyle_, 0);
    bag.WriteInt(QStringLiteral("Mode"), mode_);
    bag.WriteBool(QStringLiteral("Value"), value_);
    bag.WriteInt(QStringLiteral("ImgAlign"), pictureAlign_, 0);
    bag.WritePicture(QStringLiteral("Image"), picture_);
    bag.WriteInt(QStringLiteral("ImgSize"), pictureSize_, 16);
    bag.WriteBool(QStringLiteral("Enabled"), isEnabled(), true);
    bag.WriteColor(QStringLiteral("cBack"), backColor_);
    bag.WriteInt(QStringLiteral("mPointer"), mousePointer_, 0);
    bag.WritePicture(QStringLiteral("mIcon"), mouseIcon_);
}

// ---------------------------------------------------------------------------------------------
// Properties

void XPButton::setButtonStyle(int style) {
    if (style < 0 || style > 7) {
        return;
    }
    buttonStyle_ = style;
    ApplyShape();
    LayoutCaption(true);
    RefreshResources("BackColor");
    Refresh();
    Notify("BackStyle");
}

void XPButton::setMode(int mode) {
    if (mode < 0 || mode > 2) {
        return;
    }
    if (mode_ == 2 && mode < 2) {
        OptionToggle(Toggle::Leave);
    }
    if (mode_ < 2 && mode == 2) {
        OptionToggle(Toggle::Join);
    }
    if (mode == 0 && mode_ > 0) {
        setValue(false);
    }
    mode_ = mode;
    Refresh();
    Notify("Mode");
}

void XPButton::setValue(bool value) {
    if (value && mode_ == 0) {
        if (DesignMode()) {
            ShowInfoMessage(this, kMsgValueOnCommand);
        }
        return;
    }
    value_ = value;
    if (value && mode_ == 2) {
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
    caption_ = caption;
    LayoutCaption(true);
    Refresh();
    Notify("Caption");
}

void XPButton::setCaptionAlign(int align) {
    if (align < 0 || align > 2) {
        return;
    }
    const bool accepted = align == 2 || pictureAlign_ <= 3 || pictureWidth_ + pictureHeight_ < 1;
    if (!accepted) {
        if (DesignMode()) {
            ShowInfoMessage(this, kMsgCaptionAlign);
        }
        return;
    }
    captionAlign_ = align;
    LayoutCaption(true);
    Refresh();
    Notify("CapAlign");
}

void XPButton::setCaptionStyle(int style) {
    if (style < 0 || style > 2) {
        return;
    }
    captionStyle_ = style;
    Notify("CapStyle");
    if (!caption_.isEmpty()) {
        LayoutCaption(true);
        Refresh();
    }
}

void XPButton::setButtonShape(int shape) {
    if (shape < 0 || shape > 6) {
        return;
    }
    buttonShape_ = shape;
    if (shape == 3) {
        captionAlign_ = 2;
    }
    suspended_ = false;
    ResizeHandling();
    Notify("Shape");
}

void XPButton::setPicture(const XPPicture& picture) {
    picture_ = picture;
    if (pictureSize_ == 0) {
        pictureSize_ = 16;
    }
    RefreshResources("Picture");
    LayoutCaption(true);
    Refresh();
    Notify("Image");
}

void XPButton::setPictureAlign(int align) {
    if (align < 0 || align > 5) {
        return;
    }
    pictureAlign_ = align;
    if (align == 4 || align == 5) {
        setCaptionAlign(2);
    }
    LayoutCaption(true);
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
    if (buttonStyle_ == 3 && mode_ == 0) {
        // Style 3 cuts its corners only while enabled.
        suspended_ = true;
        ApplyShape();
        LayoutCaption(true);
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
    LayoutCaption(true);
    Refresh();
    Notify("ImgSize");
}

void XPButton::setMousePointer(int pointer) {
    if ((pointer < 0 || pointer > 15) && pointer != 99) {
        return;
    }
    mousePointer_ = pointer;
    ApplyCursor();
    Notify("mPointer");
}

void XPButton::ApplyCursor() {
    if (mousePointer_ == 0) {
        unsetCursor();
    } else if (mousePointer_ == 99) {
        if (mouseIcon_.IsValid()) {
            const QPoint hot = mouseIcon_.HotSpot();
            setCursor(QCursor(QPixmap::fromImage(mouseIcon_.Image()), hot.x(), hot.y()));
        } else {
            unsetCursor();
        }
    } else {
        setCursor(PointerShape(mousePointer_));
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
        setMousePointer(99);
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
    RefreshResources("Font");
    LayoutCaption(true);
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
    RefreshResources("Font");
    LayoutCaption(true);
    Notify("Font");
    Refresh();
}

void XPButton::setForeColor(OleColor color) {
    if (color == foreColor_) {
        return;
    }
    foreColor_ = color;
    if (hoverLocks_ == 0 || hoverLocks_ == 1) {
        hoverForeColor_ = foreColor_;
    }
    suspended_ = false;
    RedrawButton(true);
    Notify("cFore");
}

void XPButton::setBackColor(OleColor color) {
    backColor_ = TranslateColor(color);
    if (hoverLocks_ == 0 || hoverLocks_ == 2) {
        hoverBackColor_ = gradientMode_ != 0 ? gradientColor_ : backColor_;
    }
    RefreshResources("BackColor");
    Refresh();
    Notify("cBack");
}

void XPButton::setGradientColor(OleColor color) {
    if ((hoverLocks_ == 0 || hoverLocks_ == 2) && gradientMode_ > 0) {
        hoverBackColor_ = color;
    }
    gradientColor_ = color;
    RefreshResources("BackColor");
    if (gradientMode_ != 0) {
        Refresh();
    }
    Notify("cGradient");
}

void XPButton::setGradientMode(int mode) {
    if (mode < 0 || mode > 4) {
        return;
    }
    gradientMode_ = mode;
    if (hoverLocks_ == 0 || hoverLocks_ == 2) {
        hoverBackColor_ = mode == 0 ? backColor_ : gradientColor_;
        RefreshResources("BackColor");
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
    setGradientMode(0);
    setHoverColorLocks(0);
    RefreshResources("BackColor");
    DelayDrawing(false);
    Notify("cGradient");
    Notify("cBack");
}

void XPButton::setHoverColorLocks(int locks) {
    hoverLocks_ = locks;
    if (locks == 0 || locks == 2) {
        hoverBackColor_ = gradientMode_ != 0 ? gradientColor_ : backColor_;
        Notify("cBHover");
    }
    if (locks == 0 || locks == 1) {
        hoverForeColor_ = foreColor_;
        Notify("cFHover");
    }
    RefreshResources("BackColor");
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
        if (hoverLocks_ == 0) {
            hoverLocks_ = 2;
        } else if (hoverLocks_ == 1) {
            hoverLocks_ = 3;
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
        if (hoverLocks_ == 0) {
            hoverLocks_ = 1;
        } else if (hoverLocks_ == 2) {
            hoverLocks_ = 3;
        }
    }
    RefreshResources("BackColor");
    Refresh();
    Notify("cBHover");
}

// ---------------------------------------------------------------------------------------------
// Methods

void XPButton::Refresh() {
    RedrawButton(true);
}

void XPButton::DelayDrawing(bool suspend) {
    suspended_ = suspend;
    if (!suspend) {
        Refresh();
    }
}

void XPButton::changeEvent(QEvent* e) {
    switch (e->type()) {
        case QEvent::FontChange:
            if (!inFontChange_) {
                FontChanged();
            }
            break;
        case QEvent::EnabledChange:
            if (!inEnabledChange_) {
                EnabledChanged();
            }
            break;
        case QEvent::PaletteChange:
            // Only the built-in ambient reads the parent's palette; a host ambient tells changes
            // itself.
            if (ambient_ == nullptr && dynamic_cast<const XPAmbient*>(parentWidget()) == nullptr) {
                AmbientChanged(QStringLiteral("BackColor"));
            }
            break;
        default:
            break;
    }
    QWidget::changeEvent(e);
}

}  // namespace qm
