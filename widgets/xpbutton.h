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

    // --- properties -----------------------------------------------------------------------
    int ButtonStyle() const { return buttonStyle_; }
    void setButtonStyle(int style);
    int Mode() const { return mode_; }
    void setMode(int mode);
    bool value() const { return value_; }
    void setValue(bool value);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int CaptionAlign() const { return captionAlign_; }
    void setCaptionAlign(int align);
    int CaptionStyle() const { return captionStyle_; }
    void setCaptionStyle(int style);
    int ButtonShape() const { return buttonShape_; }
    void setButtonShape(int shape);
    XPPicture Picture() const { return picture_; }
    void setPicture(const XPPicture& picture);
    int PictureAlign() const { return pictureAlign_; }
    void setPictureAlign(int align);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool enabled);  // hides QWidget::setEnabled; both end in the same handling
    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool show);
    // The inverse of the setter's (n + 2) x 8, so that a size read back is the size written.
    int PictureSize() const { return PixelSize() / 8 - 2; }
    void setPictureSize(int size);
    int MousePointer() const { return mousePointer_; }
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
    int GradientMode() const { return gradientMode_; }
    void setGradientMode(int mode);
    bool ResetDefaultColors() const { return false; }
    void setResetDefaultColors(bool reset);
    int HoverColorLocks() const { return hoverLocks_; }
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
    // The off-screen buffer as last drawn (render it first with Refresh).
    const QImage& Buffer() const { return buffer_; }
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

    // properties and persistence (xpbutton.cpp)
    bool DesignMode() const { return !Ambient().UserMode(*this); }
    void Notify(const char* key) { emit PropertyChanged(QString::fromLatin1(key)); }
    void ApplyCursor();
    void EnabledChanged();
    void FontChanged();
    void SetAccessKeyFromCaption(const QString& caption);
    int PixelSize() const { return pictureSize_ == 0 ? 16 : pictureSize_; }
    QWidget* Container() const;

    // rendering (xpbutton_render.cpp)
    void RedrawButton(bool fromRefresh);
    void PrepareBuffer(bool create);
    void ResizeHandling();
    void ApplyShape();
    void LayoutCaption(bool recalc);
    void RefreshResources(const char* kind);
    void GradientFill(raster::Canvas& c, OleColor a, OleColor b, int mode);
    void DrawCaption(raster::Canvas& c, OleColor face, std::int64_t disabledColor, bool pressed,
                     bool allowEtched, std::int64_t textColor = kNoColor);
    void DrawPicture(raster::Canvas& c, int dx, int dy, bool offset);

    // face styles (xpbutton_styles.cpp)
    int FillFace(raster::Canvas& c, OleColor top, std::int64_t bottom, OleColor hover);
    void DrawOutline(raster::Canvas& c, const LineTable& t, bool dottedOuter);
    void FocusCue(raster::Canvas& c, OleColor color, bool solid, bool aroundCaption);
    bool CheckedOrHeld() const { return (held_ && mode_ > 0) || value_; }
    bool PressedAndHot() const { return (status_ & kPressed) && (status_ & kHot); }
    int LeftSlanted() const { return buttonShape_ == 1 || buttonShape_ == 3 ? 1 : 0; }
    int RightSlanted() const { return buttonShape_ == 2 || buttonShape_ == 3 ? 1 : 0; }
    void Style0(raster::Canvas& c);
    void Style1(raster::Canvas& c);
    void Style2(raster::Canvas& c);
    void Style3(raster::Canvas& c);
    void Style4(raster::Canvas& c);
    void Style5(raster::Canvas& c);
    void Style6(raster::Canvas& c);
    void Style7(raster::Canvas& c);

    // interaction (xpbutton_input.cpp)
    void HandleMouseDown(int button, int shift, QPointF pos);
    void EnterHover(QPointF pos, bool leftDown);
    void HandleClick();
    bool OptionToggle(Toggle action);

    // state of Part "properties"
    QString caption_;
    int captionAlign_ = 2;
    int captionStyle_ = 0;
    int buttonStyle_ = 0;
    std::int16_t status_ = 0;
    int buttonShape_ = 0;
    int leftInset_ = 0;
    int faceRight_ = 0;
    bool showFocusRect_ = true;
    OleColor hoverBackColor_ = kButtonFace;
    OleColor hoverForeColor_ = kButtonText;
    int hoverLocks_ = 0;
    int gradientMode_ = 0;
    OleColor gradientColor_ = 0;
    int mode_ = 0;
    bool value_ = false;
    XPPicture picture_;
    int pictureAlign_ = 0;
    int pictureSize_ = 0;  // pixels; 0 until first used
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
    int mousePointer_ = 0;
    XPPicture mouseIcon_;
    QString tag_;
    QString accessKeys_;
    int shortcutId_ = 0;
    const XPAmbient* ambient_ = nullptr;
    QPointer<QWidget> groupHost_;  // the container this option button is registered on

    // drawing objects and layout
    QImage buffer_;
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
