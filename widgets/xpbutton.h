// XPButton: an owner-drawn push button with eight face styles, seven shapes and hover lighting.
//
// The button draws its whole face into an off-screen buffer and copies it to the screen once per
// paint. It works as a command, check or option button; option buttons on the same parent form a
// group through the parent's window properties "qm_OptCount" and "<n>qm_Obj". Property values
// out of their range are ignored. Events are signals; every persisted property change also emits
// PropertyChanged with its property-bag key. See widgets/README.md for a host's view.
#pragma once

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "widgets/ambient.h"
#include "widgets/olecolor.h"
#include "widgets/propertybag.h"
#include "widgets/xppicture.h"

namespace qm {

namespace raster {
class Canvas;
}

// The enumerations of the button's properties. Each value is the integer the property and the
// property bag hold; a stored layout may hold a value outside the list, which is kept as it is.

// ButtonStyle, "BackStyle": the face styles.
enum class FaceStyle : int {
    Raised = 0,     // the Win32 3-D push-button edge
    Framed = 1,     // a black frame round a white and grey bevel
    Rounded = 2,    // a shaded face in a blue border with rounded corners; an amber ring on hover
    Etched = 3,     // an etched edge, a lilac cue round the caption, two corners cut
    Thin = 4,       // one white and grey ring
    HoverEdge = 5,  // flat; the edge shows only under the cursor (dotted while designing)
    Soft = 6,       // two rings of light grey and grey
    Bevelled = 7,   // a black border round a bevel that turns grey when checked
};

// ButtonShape, "Shape".
enum class Shape : int {
    Rectangle = 0,
    SlantedLeft = 1,
    SlantedRight = 2,
    SlantedBoth = 3,
    Ellipse = 4,
    EllipseRinglessPressed = 5,  // drops its shaded ring while pressed
    EllipseBlackRing = 6,
};

// Mode, "Mode": what a click does.
enum class ButtonType : int { Command = 0, Check = 1, Option = 2 };

// CaptionAlign, "CapAlign".
enum class CaptionAlignment : int { Left = 0, Right = 1, Centre = 2 };

// CaptionStyle, "CapStyle": the text effect.
enum class CaptionEffect : int { Plain = 0, Engraved = 1, Embossed = 2 };

// PictureAlign, "ImgAlign": where the picture sits.
enum class PicturePlace : int {
    LeftEdge = 0,
    BeforeCaption = 1,
    RightEdge = 2,
    AfterCaption = 3,
    TopCentre = 4,
    BottomCentre = 5,
};

// The picture's pixel size, "ImgSize"; PictureSize n is (n + 2) x 8 pixels.
enum class PicturePixels : int {
    Small = 16,
    Medium = 24,
    Large = 32,
    Stretched = 40,  // over the whole button
    Fitted = 48,     // scaled into the face, keeping its aspect ratio
};

// GradientMode, "Gradient": the direction of the bands from the back to the gradient colour.
enum class Gradient : int {
    None = 0,
    Horizontal = 1,          // back colour at the left
    HorizontalReversed = 2,  // gradient colour at the left
    Vertical = 3,            // back colour at the top
    VerticalReversed = 4,    // gradient colour at the top
};

// HoverColorLocks, "LockHover": which hover colour no longer follows its base colour.
enum class HoverLock : int { None = 0, BackColour = 1, ForeColour = 2, Both = 3 };

// MousePointer, "mPointer": the Win32 pointer numbers.
enum class Pointer : int {
    Default = 0,
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    Icon = 4,
    Size = 5,
    SizeNESW = 6,
    SizeNS = 7,
    SizeNWSE = 8,
    SizeWE = 9,
    UpArrow = 10,
    Hourglass = 11,
    NoDrop = 12,
    ArrowHourglass = 13,
    ArrowQuestion = 14,
    SizeAll = 15,
    Custom = 99,  // the MouseIcon
};

// The stored integer of an enumeration value.
template <typename E>
constexpr int Stored(E e) {
    return static_cast<int>(e);
}

class XPButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    Q_PROPERTY(int Mode READ Mode WRITE setMode)
    Q_PROPERTY(bool value READ value WRITE setValue)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(int CaptionAlign READ CaptionAlign WRITE setCaptionAlign)
    Q_PROPERTY(int CaptionStyle READ CaptionStyle WRITE setCaptionStyle)
    Q_PROPERTY(int ButtonShape READ ButtonShape WRITE setButtonShape)
    Q_PROPERTY(qm::XPPicture Picture READ Picture WRITE setPicture)
    Q_PROPERTY(int PictureAlign READ PictureAlign WRITE setPictureAlign)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(int PictureSize READ PictureSize WRITE setPictureSize)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(qm::XPPicture MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(int FontStyle READ FontStyle WRITE setFontStyle)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint GradientColor READ GradientColor WRITE setGradientColor)
    Q_PROPERTY(int GradientMode READ GradientMode WRITE setGradientMode)
    Q_PROPERTY(bool ResetDefaultColors READ ResetDefaultColors WRITE setResetDefaultColors)
    Q_PROPERTY(int HoverColorLocks READ HoverColorLocks WRITE setHoverColorLocks)
    Q_PROPERTY(uint HoverForeColor READ HoverForeColor WRITE setHoverForeColor)
    Q_PROPERTY(uint HoverBackColor READ HoverBackColor WRITE setHoverBackColor)
    Q_PROPERTY(qulonglong hDC READ hDC)
    Q_PROPERTY(qulonglong hwnd READ hwnd)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString AccessKeys READ AccessKeys WRITE setAccessKeys)

  public:
    // Status flag bits.
    static constexpr std::int16_t kDefaultLook = 1;
    static constexpr std::int16_t kPressed = 2;
    static constexpr std::int16_t kHot = 4;
    // The outline colours: entries 1..4 inner ring, 5..8 middle, 9..12 outer (left, top, right,
    // bottom); -1 draws nothing on that side.
    using LineTable = std::array<std::int64_t, 13>;

    // Creates a newly placed button with the initial properties. Load a stored one afterwards
    // with ReadProperties.
    explicit XPButton(QWidget* parent = nullptr);
    ~XPButton() override;

    // The live button at this address, or nullptr; window properties hold plain addresses.
    static XPButton* FromAddress(quintptr address);

    // --- properties (the integers of the enumerations above) ------------------------------
    int ButtonStyle() const { return Stored(style_); }
    void setButtonStyle(int style);
    int Mode() const { return Stored(type_); }
    void setMode(int mode);
    bool value() const { return value_; }
    void setValue(bool value);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int CaptionAlign() const { return Stored(captionAlign_); }
    void setCaptionAlign(int align);
    int CaptionStyle() const { return Stored(captionEffect_); }
    void setCaptionStyle(int style);
    int ButtonShape() const { return Stored(shape_); }
    void setButtonShape(int shape);
    XPPicture Picture() const { return picture_; }
    void setPicture(const XPPicture& picture);
    int PictureAlign() const { return Stored(picturePlace_); }
    void setPictureAlign(int align);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool enabled);  // hides QWidget::setEnabled; both end in the same handling
    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool show);
    // The inverse of the setter's (n + 2) x 8, so that a size read back is the size written.
    int PictureSize() const { return PixelSize() / 8 - 2; }
    void setPictureSize(int size);
    int MousePointer() const { return Stored(pointer_); }
    void setMousePointer(int pointer);
    XPPicture MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const XPPicture& icon);
    QFont Font() const { return font(); }
    void setFont(const QFont& font);  // hides QWidget::setFont; both end in the same handling
    int FontStyle() const;
    void setFontStyle(int style);
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor color);
    OleColor GradientColor() const { return gradientColor_; }
    void setGradientColor(OleColor color);
    int GradientMode() const { return Stored(gradient_); }
    void setGradientMode(int mode);
    bool ResetDefaultColors() const { return false; }
    void setResetDefaultColors(bool reset);
    int HoverColorLocks() const { return Stored(hoverLocks_); }
    void setHoverColorLocks(int locks);
    OleColor HoverForeColor() const { return hoverForeColor_; }
    void setHoverForeColor(OleColor color);
    OleColor HoverBackColor() const { return hoverBackColor_; }
    void setHoverBackColor(OleColor color);
    // The paint device and window the button draws on (this widget), as numbers.
    qulonglong hDC() const {
        return reinterpret_cast<quintptr>(static_cast<const QPaintDevice*>(this));
    }
    qulonglong hwnd() const { return reinterpret_cast<quintptr>(this); }
    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    // The access-key list; the caption's "&" marker sets it. Alt + the key clicks the button.
    QString AccessKeys() const { return accessKeys_; }
    void setAccessKeys(const QString& keys);

    // --- methods --------------------------------------------------------------------------
    void Refresh();
    void DelayDrawing(bool suspend);
    // The container tells the button that one of its ambient properties changed:
    // "DisplayAsDefault" or "BackColor".
    void AmbientChanged(const QString& name);
    // An access key (Alt + key, or Enter / Esc from the host's default and cancel handling).
    void AccessKeyPress(int keyAscii);
    // Clicks as the left mouse button does (a check or option button changes its value first),
    // raising Click; what the accessible press and toggle actions run.
    void PerformClick();

    // --- persistence ----------------------------------------------------------------------
    void InitProperties();
    void ReadProperties(const PropertySection& bag);
    void WriteProperties(PropertySection& bag) const;

    // --- the container ----------------------------------------------------------------------
    // An explicit ambient (not owned); nullptr falls back to the parent (if it is an XPAmbient)
    // and then to DefaultAmbient.
    void SetAmbient(const XPAmbient* ambient);
    const XPAmbient& Ambient() const;

    // --- state, for hosts and tests -------------------------------------------------------
    std::int16_t StatusFlags() const { return status_; }
    bool HoverActive() const { return hoverActive_; }
    bool Held() const { return held_; }
    bool DrawingSuspended() const { return suspended_; }
    // The off-screen buffer as last drawn (render it first with Refresh), in the device pixels
    // of the widget's screen; its devicePixelRatio() is the widget's.
    const QImage& Buffer() const { return buffer_; }
    // The face as the button paints it on a screen of the given device pixel ratio, in a new
    // image carrying that ratio; the button's own buffer stays as it is.
    QImage RenderToImage(qreal devicePixelRatio);
    // The window region ApplyShape gave the button.
    const QRegion& ShapeRegion() const { return region_; }
    QRect CaptionRect() const { return captionRect_; }
    QRect PictureRect() const { return pictureRect_; }
    int ShapeLeftInset() const { return leftInset_; }
    int FaceRightEdge() const { return faceRight_; }
    // The derived colours of the current style: face, pressed, hover face, checked.
    std::array<OleColor, 4> DerivedColors() const {
        return {faceColor_, pressedColor_, hoverFaceColor_, checkedColor_};
    }
    // The hover timer's tick.
    void CheckHover(quintptr timerId);

  signals:
    void MouseDown(qint16 button, qint16 shift, float x, float y);
    void MouseUp(qint16 button, qint16 shift, float x, float y);
    void MouseMove(qint16 button, qint16 shift, float x, float y);
    void KeyDown(qint16 keyCode, qint16 shift);
    void KeyPress(qint16 keyAscii);
    void KeyUp(qint16 keyCode, qint16 shift);
    void MouseOnButton(bool on);
    void Click();
    void DoubleClick(qint16 button);
    // A persisted property changed; key is its property-bag key.
    void PropertyChanged(const QString& key);
    // The widget's drag-and-drop events, passed on unchanged (call setAcceptDrops to get them).
    void DragEnter(QDragEnterEvent* event);
    void DragMove(QDragMoveEvent* event);
    void DragLeave(QDragLeaveEvent* event);
    void Drop(QDropEvent* event);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override { emit DragEnter(e); }
    void dragMoveEvent(QDragMoveEvent* e) override { emit DragMove(e); }
    void dragLeaveEvent(QDragLeaveEvent* e) override { emit DragLeave(e); }
    void dropEvent(QDropEvent* e) override { emit Drop(e); }

  private:
    enum class Toggle { Select = 0, Join = 1, Query = 2, Leave = -1 };

    // properties and persistence (xpbutton.cpp, xpbutton_properties.cpp)
    bool DesignMode() const { return !Ambient().UserMode(*this); }
    void Notify(const char* key) { emit PropertyChanged(QString::fromLatin1(key)); }
    void ApplyCursor();
    void EnabledChanged();
    void FontChanged();
    void SetAccessKeyFromCaption(const QString& caption);
    int PixelSize() const {
        return pictureSize_ == 0 ? Stored(PicturePixels::Small) : pictureSize_;
    }
    bool HoverBackFollows() const {
        return hoverLocks_ == HoverLock::None || hoverLocks_ == HoverLock::ForeColour;
    }
    bool HoverForeFollows() const {
        return hoverLocks_ == HoverLock::None || hoverLocks_ == HoverLock::BackColour;
    }
    QWidget* Container() const;

    // rendering (xpbutton_render.cpp)
    void RenderFace();    // runs the style routine into the buffer
    void RedrawButton();  // renders and has the paint event copy the buffer to the screen
    void EnsureBuffer();  // a buffer of the widget's size in device pixels
    qreal DeviceRatio() const;
    QSize DeviceSize() const;
    bool BufferFits() const;
    void QueueBufferCopy();
    void ResizeHandling();
    void ApplyShape();
    void LayoutFace();     // the horizontal face extent of the shape
    void LayoutCaption();  // the face extent, then the caption and picture rectangles
    void RefreshFont();
    void RefreshPicture();
    void RefreshDerivedColors();
    void GradientFill(raster::Canvas& c, OleColor a, OleColor b, Gradient mode);
    // The picture, then the caption; both move by a pixel while pressed.
    void DrawCaption(OleColor face, std::int64_t disabledColor, bool pressed, bool allowEtched,
                     std::int64_t textColor = kNoColor);
    void DrawPicture(int dx, int dy, bool offset);
    // Pictures of 40 and 48 pixels cover the face instead of taking a place beside the caption.
    bool CoversFace() const {
        const int s = PixelSize();
        return s == Stored(PicturePixels::Stretched) || s >= Stored(PicturePixels::Fitted);
    }
    // Where such a picture is drawn: stretched over the whole button (40), or scaled into the
    // face keeping its aspect ratio and centred (48); offset is the pressed pixel.
    QRect CoveringPictureTarget(bool offset) const;

    // face styles (xpbutton_styles.cpp)
    int FillFace(raster::Canvas& c, OleColor top, std::int64_t bottom, OleColor hover);
    void DrawOutline(raster::Canvas& c, const LineTable& t, bool dottedOuter);
    void FocusCue(raster::Canvas& c, OleColor color, bool solid, bool aroundCaption);
    bool IsCheckOrOption() const { return type_ > ButtonType::Command; }
    bool CheckedOrHeld() const { return (held_ && IsCheckOrOption()) || value_; }
    bool PressedAndHot() const { return (status_ & kPressed) && (status_ & kHot); }
    bool Slanted() const { return shape_ >= Shape::SlantedLeft && shape_ <= Shape::SlantedBoth; }
    bool Elliptic() const { return shape_ >= Shape::Ellipse; }
    int LeftSlanted() const {
        return shape_ == Shape::SlantedLeft || shape_ == Shape::SlantedBoth ? 1 : 0;
    }
    int RightSlanted() const {
        return shape_ == Shape::SlantedRight || shape_ == Shape::SlantedBoth ? 1 : 0;
    }
    // The face of the styles without a pressed colour: checked, or the plain face.
    OleColor CheckedOrFaceColor() const {
        return IsCheckOrOption() && value_ ? checkedColor_ : faceColor_;
    }
    // The caption colour a disabled check or option button takes; none (etched) otherwise.
    std::int64_t DisabledTextColor() const {
        return !isEnabled() && IsCheckOrOption() ? std::int64_t{kGrey} : kNoColor;
    }
    void Style0(raster::Canvas& c);
    void Style1(raster::Canvas& c);
    void Style2(raster::Canvas& c);
    void Style3(raster::Canvas& c);
    void Style4(raster::Canvas& c);
    void Style5(raster::Canvas& c);
    void Style6(raster::Canvas& c);
    void Style7(raster::Canvas& c);
    // Black, or a darker face on slanted shapes while not down.
    OleColor SlantedFocusColor(bool down) const;
    // The common end of a style: the focus cue round the face, then caption and picture.
    void FinishFace(raster::Canvas& c, OleColor face, OleColor focus);

    // interaction (xpbutton_input.cpp)
    void HandleMouseDown(int button, int shift, QPointF pos);
    void EnterHover(QPointF pos, bool leftDown);
    void HandleClick();
    void SetPressed(bool pressed);  // the pressed flag, announced to assistive technology
    bool OptionToggle(Toggle action);

    // the properties the button keeps itself
    QString caption_;
    CaptionAlignment captionAlign_ = CaptionAlignment::Centre;
    CaptionEffect captionEffect_ = CaptionEffect::Plain;
    FaceStyle style_ = FaceStyle::Raised;
    std::int16_t status_ = 0;
    Shape shape_ = Shape::Rectangle;
    int leftInset_ = 0;
    int faceRight_ = 0;
    bool showFocusRect_ = true;
    OleColor hoverBackColor_ = kButtonFace;
    OleColor hoverForeColor_ = kButtonText;
    HoverLock hoverLocks_ = HoverLock::None;
    Gradient gradient_ = Gradient::None;
    OleColor gradientColor_ = 0;
    ButtonType type_ = ButtonType::Command;
    bool value_ = false;
    XPPicture picture_;
    PicturePlace picturePlace_ = PicturePlace::LeftEdge;
    int pictureSize_ = 0;  // pixels (see PicturePixels); 0 until first used
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    bool suspended_ = false;
    OleColor backColor_ = kButtonFace;
    OleColor faceColor_ = 0;
    OleColor pressedColor_ = 0;
    OleColor hoverFaceColor_ = 0;
    OleColor checkedColor_ = 0;
    std::int16_t lastButton_ = 0;
    bool hoverActive_ = false;
    OleColor containerBack_ = 0;
    bool held_ = false;
    bool clickAfterDoubleClick_ = true;

    // what the platform surface holds elsewhere
    OleColor foreColor_ = kButtonText;
    Pointer pointer_ = Pointer::Default;
    XPPicture mouseIcon_;
    QString tag_;
    QString accessKeys_;
    int shortcutId_ = 0;
    const XPAmbient* ambient_ = nullptr;
    QPointer<QWidget> groupHost_;  // the container this option button is registered on

    // drawing objects and layout
    QImage buffer_;
    qreal renderRatio_ = 0;     // while RenderToImage runs: its ratio instead of the screen's
    bool bufferFresh_ = false;  // drawn since the last paint event
    QRegion region_;
    QRegion faceClip_;  // shapes 4..6
    QFont captionFont_;
    QRect captionRect_;
    QRect pictureRect_;
    int faceL_ = 0;
    int faceW_ = 0;
    int faceR_ = 0;
    QImage picDrawable_;  // the picture with its transparency applied
    QImage picScaled_;    // cached scaled copy
    QImage picDisabledLight_, picDisabledShadow_;
    QImage picDisabledLightScaled_, picDisabledShadowScaled_;
    std::vector<OleColor> bands_;
    bool inFontChange_ = false;
    bool inEnabledChange_ = false;
};

}  // namespace qm
