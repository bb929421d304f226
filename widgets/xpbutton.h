// SPDX-License-Identifier: MIT
// XPButton: an owner-drawn push button with eight face styles, seven shapes and hover lighting,
// working as a command, check or option button (option buttons on one parent form a group).
// Property values out of their range are ignored. Events are signals; every persisted property
// change also emits PropertyChanged with its property-bag key. See widgets/README.md.
#pragma once

#include <QDropEvent>  // the drag events too: one header declares them all
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "widgets/ambient.h"
#include "widgets/olecolor.h"
#include "widgets/propertybag.h"
#include "widgets/xppicture.h"

namespace qm {

class XPButtonPrivate;

// The enumerations of the properties: each value is the integer a layout stores (one outside
// the list is kept as it is).

enum class FaceStyle : int {  // ButtonStyle, "BackStyle": the face styles
    Raised = 0,               // the Win32 3-D push-button edge
    Framed = 1,               // a black frame round a white and grey bevel
    Rounded = 2,    // a shaded face in a blue border with rounded corners; an amber ring on hover
    Etched = 3,     // an etched edge, a lilac cue round the caption, two corners cut
    Thin = 4,       // one white and grey ring
    HoverEdge = 5,  // flat; the edge shows only under the cursor (dotted while designing)
    Soft = 6,       // two rings of light grey and grey
    Bevelled = 7,   // a black border round a bevel that turns grey when checked
};

enum class Shape : int {  // ButtonShape, "Shape"
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

enum class PicturePlace : int {  // PictureAlign, "ImgAlign": where the picture sits
    LeftEdge = 0,
    BeforeCaption = 1,
    RightEdge = 2,
    AfterCaption = 3,
    TopCentre = 4,
    BottomCentre = 5,
};

enum class PicturePixels : int {  // "ImgSize"; the PictureSize n is (n + 2) x 8 pixels
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

enum class Pointer : int {  // MousePointer, "mPointer": the Win32 pointer numbers
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
    // The bits of StatusFlags().
    enum StatusFlag : std::int16_t { kDefaultLook = 1, kPressed = 2, kHot = 4 };

    // A newly placed button with the initial properties; ReadProperties loads a stored one.
    explicit XPButton(QWidget* parent = nullptr);
    ~XPButton() override;

    // The live button at this address, or nullptr; window properties hold plain addresses.
    static XPButton* FromAddress(quintptr address);

    // --- properties (the integers of the enumerations above) ------------------------------
    int ButtonStyle() const;
    void setButtonStyle(int style);
    int Mode() const;
    void setMode(int mode);
    bool value() const;
    void setValue(bool value);
    QString caption() const;
    void setCaption(const QString& caption);
    int CaptionAlign() const;
    void setCaptionAlign(int align);
    int CaptionStyle() const;
    void setCaptionStyle(int style);
    int ButtonShape() const;
    void setButtonShape(int shape);
    XPPicture Picture() const;
    void setPicture(const XPPicture& picture);
    int PictureAlign() const;
    void setPictureAlign(int align);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool enabled);  // hides QWidget::setEnabled; both end in the same handling
    bool ShowFocusRect() const;
    void setShowFocusRect(bool show);
    // The inverse of the setter's (n + 2) x 8, so that a size read back is the size written.
    int PictureSize() const;
    void setPictureSize(int size);
    int MousePointer() const;
    void setMousePointer(int pointer);
    XPPicture MouseIcon() const;
    void setMouseIcon(const XPPicture& icon);
    QFont Font() const { return font(); }
    void setFont(const QFont& font);  // hides QWidget::setFont; both end in the same handling
    int FontStyle() const;
    void setFontStyle(int style);
    OleColor ForeColor() const;
    void setForeColor(OleColor color);
    OleColor BackColor() const;
    void setBackColor(OleColor color);
    OleColor GradientColor() const;
    void setGradientColor(OleColor color);
    int GradientMode() const;
    void setGradientMode(int mode);
    bool ResetDefaultColors() const { return false; }
    void setResetDefaultColors(bool reset);
    int HoverColorLocks() const;
    void setHoverColorLocks(int locks);
    OleColor HoverForeColor() const;
    void setHoverForeColor(OleColor color);
    OleColor HoverBackColor() const;
    void setHoverBackColor(OleColor color);
    // The paint device and window the button draws on (this widget), as numbers.
    qulonglong hDC() const;
    qulonglong hwnd() const;
    QString Tag() const;
    void setTag(const QString& tag);
    // The access-key list; the caption's "&" marker sets it. Alt + the key clicks the button.
    QString AccessKeys() const;
    void setAccessKeys(const QString& keys);

    // --- methods --------------------------------------------------------------------------
    void Refresh();
    void DelayDrawing(bool suspend);
    // The container's ambient property "DisplayAsDefault" or "BackColor" changed.
    void AmbientChanged(const QString& name);
    // An access key (Alt + key, or Enter / Esc from the host's default and cancel handling).
    void AccessKeyPress(int keyAscii);
    // Clicks as the left mouse button does (a check or option button changes its value first),
    // raising Click; what the accessible press and toggle actions run.
    void PerformClick();
    // Persistence: the initial properties, or those of a layout section.
    void InitProperties();
    void ReadProperties(const PropertySection& bag);
    void WriteProperties(PropertySection& bag) const;
    // The container: an explicit ambient (not owned); nullptr falls back to the parent (if it is an
    // XPAmbient) and then to DefaultAmbient.
    void SetAmbient(const XPAmbient* ambient);
    const XPAmbient& Ambient() const;

    // --- state, for hosts and tests -------------------------------------------------------
    std::int16_t StatusFlags() const;
    bool HoverActive() const;
    bool Held() const;
    bool DrawingSuspended() const;
    // The off-screen buffer as last drawn (render it first with Refresh), in the device pixels
    // of the widget's screen; its devicePixelRatio() is the widget's.
    const QImage& Buffer() const;
    // The face as the button paints it on a screen of the given device pixel ratio, in a new
    // image carrying that ratio; the button's own buffer stays as it is.
    QImage RenderToImage(qreal devicePixelRatio);
    // The window region the shape gave the button.
    const QRegion& ShapeRegion() const;
    QRect CaptionRect() const;
    QRect PictureRect() const;
    int ShapeLeftInset() const;
    int FaceRightEdge() const;
    // The derived colours of the current style: face, pressed, hover face, checked.
    std::array<OleColor, 4> DerivedColors() const;
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
    // Everything else: the state, the drawing and the layout (widgets/xpbutton_p.h).
    friend class XPButtonPrivate;
    const std::unique_ptr<XPButtonPrivate> d_;
};

}  // namespace qm
