// SPDX-License-Identifier: MIT
// The button's private implementation: its state, the drawing of the face, the layout and the
// option groups. Only the button's own source files include this header; a widget user reads
// xpbutton.h, which stays the same when anything here changes.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <array>
#include <cstdint>
#include <vector>

#include "widgets/xpbutton.h"

namespace qm {

namespace raster {
class Canvas;
}

// Whether value is one of the enumeration's values 0..last.
template <typename E>
bool InRange(int value, E last) {
    return value >= 0 && value <= Stored(last);
}

// Stores value in field when it is one of the enumeration's values 0..last; false otherwise.
template <typename E>
bool AssignInRange(int value, E last, E& field) {
    if (!InRange(value, last)) {
        return false;
    }
    field = static_cast<E>(value);
    return true;
}

class XPButtonPrivate {
  public:
    explicit XPButtonPrivate(XPButton* button) : q(button) {}

    // The outline colours: entries 1..4 inner ring, 5..8 middle, 9..12 outer (left, top, right,
    // bottom); -1 draws nothing on that side.
    using LineTable = std::array<std::int64_t, 13>;

    // properties (xpbutton_properties.cpp, xpbutton_colors.cpp)
    bool DesignMode() const { return !q->Ambient().UserMode(*q); }
    void Notify(const char* key) { emit q->PropertyChanged(QString::fromLatin1(key)); }
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
    // Unless locked, the hover back colour follows the back colour, or on a gradient face the
    // gradient colour.
    void FollowHoverBack() {
        if (HoverBackFollows()) {
            hoverBackColor_ = gradient_ != Gradient::None ? gradientColor_ : backColor_;
        }
    }
    // Lays the face out again after a property change, redraws it and tells the change.
    void Relayout(const char* key) {
        LayoutCaption();
        q->Refresh();
        Notify(key);
    }
    QWidget* Container() const { return q->parentWidget(); }

    // the buffer (xpbutton_render.cpp)
    void RenderFace();    // runs the style routine into the buffer
    void RedrawButton();  // renders and has the paint event copy the buffer to the screen
    void EnsureBuffer();  // a buffer of the widget's size in device pixels
    qreal DeviceRatio() const;
    QSize DeviceSize() const;
    bool BufferFits() const;
    void QueueBufferCopy();
    void ResizeHandling();
    void RefreshFont();
    void RefreshPicture();
    void RefreshDerivedColors();
    void GradientFill(raster::Canvas& c, OleColor a, OleColor b, Gradient mode);

    // shape and layout (xpbutton_layout.cpp)
    void ApplyShape();
    QRegion ShapeOutline(int w, int h, int slant);  // sets the insets and the face clip
    QRegion CutCorners(QRegion region, int w, int h) const;
    void LayoutFace();     // the horizontal face extent of the shape
    void LayoutCaption();  // the face extent, then the caption and picture rectangles
    bool HasPicture() const { return pictureWidth_ + pictureHeight_ > 0; }
    // Pictures of 40 and 48 pixels cover the face and take no room from the caption.
    bool ReservesRoom() const {
        return HasPicture() && PixelSize() <= Stored(PicturePixels::Large);
    }
    // The room a picture of 16 to 32 pixels takes beside the caption, per side.
    QMargins PictureRoom() const;
    // The caption's text extent within the face less that room; 0 x -3 without a caption.
    QSize CaptionExtent(const QMargins& room) const;
    int CaptionLeft(const QMargins& room, int textWidth) const;
    // Where the picture goes, and the caption's top, which a picture above or below moves.
    struct PicturePlacement {
        QPoint topLeft;
        int captionTop;
    };
    PicturePlacement PlacePicture(const QMargins& room, int captionLeft, QSize text) const;
    // Pictures of 40 and 48 pixels cover the face instead of taking a place beside the caption.
    bool CoversFace() const {
        const int s = PixelSize();
        return s == Stored(PicturePixels::Stretched) || s >= Stored(PicturePixels::Fitted);
    }
    // Where such a picture is drawn: stretched over the whole button (40), or scaled into the
    // face keeping its aspect ratio and centred (48); offset is the pressed pixel.
    QRect CoveringPictureTarget(bool offset) const;

    // caption and picture (xpbutton_caption.cpp); both move by a pixel while pressed
    void DrawCaption(OleColor face, std::int64_t disabledColor, bool pressed, bool allowEtched,
                     std::int64_t textColor = kNoColor);
    void DrawPicture(int dx, int dy, bool offset);

    // the parts of every face (xpbutton_faceparts.cpp)
    int FillFace(raster::Canvas& c, OleColor top, std::int64_t bottom, OleColor hover);
    void FillEllipseRing(raster::Canvas& c, OleColor fill);
    void DrawOutline(raster::Canvas& c, const LineTable& t, bool dottedOuter);
    void FocusCue(raster::Canvas& c, OleColor color, bool solid, bool aroundCaption);
    bool IsCheckOrOption() const { return type_ > ButtonType::Command; }
    bool CheckedOrHeld() const { return (held_ && IsCheckOrOption()) || value_; }
    bool PressedAndHot() const {
        return (status_ & XPButton::kPressed) && (status_ & XPButton::kHot);
    }
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
    // The face of the styles with a pressed colour: pressed command, checked, or plain.
    OleColor PressedOrCheckedColor() const {
        if (type_ == ButtonType::Command) {
            return PressedAndHot() ? pressedColor_ : faceColor_;
        }
        return value_ ? checkedColor_ : faceColor_;
    }
    // The caption colour a disabled check or option button takes; none (etched) otherwise.
    std::int64_t DisabledTextColor() const {
        return !q->isEnabled() && IsCheckOrOption() ? std::int64_t{kGrey} : kNoColor;
    }
    // Black, or a darker face on slanted shapes while not down.
    OleColor SlantedFocusColor(bool down) const;
    // The common end of a style: the focus cue round the face, then caption and picture.
    void FinishFace(raster::Canvas& c, OleColor face, OleColor focus);

    // the face styles (xpbutton_styles.cpp), one per FaceStyle
    void DrawRingedFace(raster::Canvas& c, bool ringsDown, void (*rings)(LineTable& t, bool down));
    void DrawRaised(raster::Canvas& c);
    void DrawFramed(raster::Canvas& c);
    void DrawRounded(raster::Canvas& c);
    void DrawEtched(raster::Canvas& c);
    void DrawThin(raster::Canvas& c);
    void DrawHoverEdge(raster::Canvas& c);
    void DrawSoft(raster::Canvas& c);
    void DrawBevelled(raster::Canvas& c);

    // interaction (xpbutton_input.cpp)
    void HandleMouseDown(int button, int shift, QPointF pos);
    void EnterHover(QPointF pos, bool leftDown);
    void HandleClick();
    void SetPressed(bool pressed);  // the pressed flag, announced to assistive technology
    void ShowDefaultLookIfFocused();

    // option groups (xpbutton_optiongroup.cpp), kept in the container's window properties
    struct Group {
        QWidget* host = nullptr;
        int count = 0;
        std::vector<XPButton*> members;  // nullptr where an entry names no live button
    };
    Group ReadGroup(bool leaving) const;
    void DeselectOthers(const Group& group);
    void JoinGroup();
    void LeaveGroup();
    void SelectInGroup();  // the other members of the group turn off
    bool AnyInGroupSelected() const;

    XPButton* const q;

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
