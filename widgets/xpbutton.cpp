// Creation, the container, persistence and the drawing methods of the button.
#include "widgets/xpbutton.h"

#include <QEvent>
#include <unordered_set>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton_accessible.h"

namespace qm {

namespace {

std::unordered_set<const XPButton*>& LiveButtons() {
    static std::unordered_set<const XPButton*> live;
    return live;
}

}  // namespace

XPButton::XPButton(QWidget* parent) : QWidget(parent) {
    accessibility::InstallFactory();
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
    captionAlign_ = CaptionAlignment::Centre;
    showFocusRect_ = true;
    hoverForeColor_ = kButtonText;
    hoverBackColor_ = kButtonFace;
    backColor_ = kButtonFace;
    RefreshFont();
    RefreshDerivedColors();
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
    captionAlign_ = static_cast<CaptionAlignment>(
        bag.ReadInt(QStringLiteral("CapAlign"), Stored(CaptionAlignment::Centre)));
    style_ = static_cast<FaceStyle>(bag.ReadInt(QStringLiteral("BackStyle"), 0));
    shape_ = static_cast<Shape>(bag.ReadInt(QStringLiteral("Shape"), 0));
    gradient_ = static_cast<Gradient>(bag.ReadInt(QStringLiteral("Gradient"), 0));
    gradientColor_ = bag.ReadColor(QStringLiteral("cGradient"), kButtonFace);
    foreColor_ = bag.ReadColor(QStringLiteral("cFore"), kButtonText);
    {
        const QFont f = bag.ReadFont(QStringLiteral("Font"), font());
        inFontChange_ = true;  // the font is refreshed below with the other resources
        QWidget::setFont(f);
        inFontChange_ = false;
    }
    showFocusRect_ = bag.ReadBool(QStringLiteral("Focus"), true);
    type_ = static_cast<ButtonType>(bag.ReadInt(QStringLiteral("Mode"), 0));
    value_ = bag.ReadBool(QStringLiteral("Value"), false);
    picture_ = bag.ReadPicture(QStringLiteral("Image"));
    pictureSize_ = static_cast<std::int16_t>(
        bag.ReadInt(QStringLiteral("ImgSize"), Stored(PicturePixels::Small)));
    picturePlace_ = static_cast<PicturePlace>(bag.ReadInt(QStringLiteral("ImgAlign"), 0));
    hoverForeColor_ = bag.ReadColor(QStringLiteral("cFHover"), kButtonText);
    {
        const bool enabled = bag.ReadBool(QStringLiteral("Enabled"), true);
        inEnabledChange_ = true;
        QWidget::setEnabled(enabled);
        inEnabledChange_ = false;
    }
    backColor_ = bag.ReadColor(QStringLiteral("cBack"), Ambient().BackColor(*this));
    hoverBackColor_ = bag.ReadColor(QStringLiteral("cBHover"), backColor_);
    hoverLocks_ = static_cast<HoverLock>(bag.ReadInt(QStringLiteral("LockHover"), 0));
    captionEffect_ = static_cast<CaptionEffect>(bag.ReadInt(QStringLiteral("CapStyle"), 0));
    setMouseIcon(bag.ReadPicture(QStringLiteral("mIcon")));
    setMousePointer(bag.ReadInt(QStringLiteral("mPointer"), 0));
    RefreshPicture();
    RefreshFont();
    RefreshDerivedColors();
    setCaption(caption_);
    if (type_ == ButtonType::Option) {
        OptionToggle(Toggle::Join);
    }
    suspended_ = false;
    ResizeHandling();
}

void XPButton::WriteProperties(PropertySection& bag) const {
    bag.Clear();
    bag.WriteString(QStringLiteral("Caption"), caption_, QString());
    bag.WriteInt(QStringLiteral("CapAlign"), Stored(captionAlign_),
                 Stored(CaptionAlignment::Centre));
    bag.WriteInt(QStringLiteral("BackStyle"), Stored(style_), 0);
    bag.WriteInt(QStringLiteral("Shape"), Stored(shape_), 0);
    bag.WriteFont(QStringLiteral("Font"), font());
    bag.WriteColor(QStringLiteral("cFore"), foreColor_, kButtonText);
    bag.WriteColor(QStringLiteral("cFHover"), hoverForeColor_, kButtonText);
    bag.WriteColor(QStringLiteral("cBhover"), hoverBackColor_, backColor_);
    bag.WriteBool(QStringLiteral("Focus"), showFocusRect_, true);
    bag.WriteInt(QStringLiteral("LockHover"), Stored(hoverLocks_), 0);
    bag.WriteColor(QStringLiteral("cGradient"), gradientColor_, kButtonFace);
    bag.WriteInt(QStringLiteral("Gradient"), Stored(gradient_), 0);
    bag.WriteInt(QStringLiteral("CapStyle"), Stored(captionEffect_), 0);
    bag.WriteInt(QStringLiteral("Mode"), Stored(type_));
    bag.WriteBool(QStringLiteral("Value"), value_);
    bag.WriteInt(QStringLiteral("ImgAlign"), Stored(picturePlace_), 0);
    bag.WritePicture(QStringLiteral("Image"), picture_);
    bag.WriteInt(QStringLiteral("ImgSize"), pictureSize_, Stored(PicturePixels::Small));
    bag.WriteBool(QStringLiteral("Enabled"), isEnabled(), true);
    bag.WriteColor(QStringLiteral("cBack"), backColor_);
    bag.WriteInt(QStringLiteral("mPointer"), Stored(pointer_), 0);
    bag.WritePicture(QStringLiteral("mIcon"), mouseIcon_);
}

// ---------------------------------------------------------------------------------------------
// Methods

void XPButton::Refresh() {
    RedrawButton();
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
