// The eight face styles: fill, the three outline rings, corner pixels and the focus cue.
#include <QPainter>
#include <QPolygon>

#include "widgets/raster.h"
#include "widgets/xpbutton_p.h"

namespace qm {

using raster::Canvas;

namespace {

constexpr std::int64_t kNone = kNoColor;

XPButtonPrivate::LineTable EmptyTable() {
    XPButtonPrivate::LineTable t{};
    t.fill(kNone);
    return t;
}

// A colour of the line table (never kNone where it is used).
QRgb LineRgb(std::int64_t entry) {
    return ToQRgb(static_cast<OleColor>(entry));
}

void SetEntries(XPButtonPrivate::LineTable& t, std::initializer_list<int> entries,
                std::int64_t color) {
    for (int e : entries) {
        t[static_cast<std::size_t>(e)] = color;
    }
}

// A bevel: the left and top sides light and the right and bottom ones dark, swapped when down.
void SetBevel(XPButtonPrivate::LineTable& t, std::initializer_list<int> leftTop,
              std::initializer_list<int> rightBottom, bool down, OleColor light, OleColor dark) {
    SetEntries(t, leftTop, down ? dark : light);
    SetEntries(t, rightBottom, down ? light : dark);
}

}  // namespace

int XPButtonPrivate::FillFace(Canvas& c, OleColor top, std::int64_t bottom, OleColor hover) {
    const int w = q->width();
    const int h = q->height();
    const bool hot = (status_ & XPButton::kHot) != 0;
    const bool pressed = (status_ & XPButton::kPressed) != 0;
    const int state = PressedAndHot() ? 2 : ((status_ & XPButton::kDefaultLook) ? 1 : 0);
    OleColor fill = top;
    // A pressed (or checked) button keeps its own face under the cursor.
    if (hoverActive_ &&
        !((PressedAndHot() || IsCheckOrOption()) && (value_ || type_ == ButtonType::Command))) {
        fill = hover;
    }
    if (Elliptic()) {
        c.ClearClip();
        const bool ring = hot || pressed || style_ != FaceStyle::HoverEdge;
        if (ring && shape_ == Shape::EllipseBlackRing) {
            c.FillRect(0, 0, w, h, ToQRgb(kBlack));
        } else if (ring && (shape_ == Shape::Ellipse || !pressed)) {
            GradientFill(c, ShadeColor(containerBack_, 172), ShadeColor(containerBack_, -32),
                         PressedAndHot() ? Gradient::VerticalReversed : Gradient::Vertical);
        } else {
            // No ring this time: the edge takes the face colour instead of whatever the buffer
            // held from the last paint.
            c.FillRect(0, 0, w, h, ToQRgb(fill));
        }
        c.SetClip(faceClip_);
    }
    if (value_ || gradient_ == Gradient::None) {
        if (style_ == FaceStyle::Rounded && (q->isEnabled() || IsCheckOrOption())) {
            // Darkens by about 25 from top to bottom; columns 0 and w - 1 belong to the outline.
            for (int i = 1; i <= h - 1; ++i) {
                const int delta = RoundHalfEven(-(25.0 / h) * i);
                c.FillRect(1, i, w - 1, i + 1, ToQRgb(ShadeColor(fill, delta, true)));
            }
        } else {
            c.FillRect(0, 0, w, h, ToQRgb(fill));
        }
    } else if (!hot || PressedAndHot() || gradientColor_ == hoverBackColor_) {
        GradientFill(c, top, bottom == kNone ? top : static_cast<OleColor>(bottom), gradient_);
    } else {
        c.FillRect(0, 0, w, h, ToQRgb(hover));
    }
    return state;
}

void XPButtonPrivate::DrawOutline(Canvas& c, const LineTable& t, bool dottedOuter) {
    const int w = q->width();
    const int h = q->height();
    const int ls = LeftSlanted();
    const int rs = RightSlanted();
    const int I = leftInset_;
    const int R = faceRight_;
    QPoint p[15];
    p[0] = {I + 2 - 4 * ls, h - 3};
    p[1] = {2 * ls + 2, 2};
    p[2] = {R + 3 * rs - 3, 2};
    p[3] = {w - 3 - 3 * rs, h - 3};
    p[4] = {I - 4 * ls + 1, h - 3};
    const int mx[5] = {ls - 1, -ls - 1, 1 - rs, rs + 1, -1};
    const int my[5] = {1, -1, -1, 1, 1};
    for (int k = 0; k < 5; ++k) {
        p[5 + k] = p[k] + QPoint(mx[k], my[k]);
    }
    p[10] = {I - ls, h - 1 + ls};
    p[11] = {0, 0};
    p[12] = {R + rs - 1, 0};
    p[13] = {w - 1, h - 1 + rs};
    p[14] = {I - 2 * ls - 1, h - 1};

    std::int64_t lastColor = kNone;
    raster::Pen lastPen = raster::Pen::Solid;
    for (int ring = 0; ring < 3; ++ring) {
        const raster::Pen pen = ring == 2 && dottedOuter ? raster::Pen::Dot : raster::Pen::Solid;
        for (int side = 0; side < 4; ++side) {
            const std::int64_t color = t[static_cast<std::size_t>(ring * 4 + side + 1)];
            if (color == kNone) {
                continue;
            }
            c.Line(p[ring * 5 + side], p[ring * 5 + side + 1], LineRgb(color), pen);
            lastColor = color;
            lastPen = pen;
        }
    }
    // The bottom outer line once more, with the pen the last side used; when no side was drawn
    // there is no pen of the outline's own to use, and the edge stays invisible as wanted.
    if (lastColor != kNone) {
        c.Line(p[14], {w - 1, h - 1}, LineRgb(lastColor), lastPen);
    }
}

void XPButtonPrivate::FocusCue(Canvas& c, OleColor color, bool solid, bool aroundCaption) {
    if ((status_ & XPButton::kDefaultLook) == 0) {
        return;
    }
    const int w = q->width();
    const int h = q->height();
    const QRgb rgb = ToQRgb(color);
    auto polyline = [&](const QPoint* pts, int n) {
        for (int i = 0; i + 1 < n; ++i) {
            c.Line(pts[i], pts[i + 1], rgb);
        }
    };
    if (Slanted()) {
        // Two pixels inside the inner ring, following its slanted sides.
        const int ls = LeftSlanted();
        const int rs = RightSlanted();
        const QPoint p0(leftInset_ + 2 - 4 * ls, h - 3);
        const QPoint p1(2 * ls + 2, 2);
        const QPoint p2(faceRight_ + 3 * rs - 3, 2);
        const QPoint p3(w - 3 - 3 * rs, h - 3);
        const int span = std::max(h - 5, 1);
        auto along = [span](QPoint top, QPoint bottom, int y) {
            return top.x() + (bottom.x() - top.x()) * (y - 2) / span;
        };
        const int t = 4;
        const int b = h - 5;
        const QPoint pts[5] = {{along(p1, p0, t) + 2, t},
                               {along(p2, p3, t) - 2, t},
                               {along(p2, p3, b) - 2, b},
                               {along(p1, p0, b) + 2, b},
                               {along(p1, p0, t) + 2, t}};
        polyline(pts, 5);
        return;
    }
    if (Elliptic()) {
        const int k = shape_ == Shape::EllipseBlackRing ? 2 : 3;
        QPainter p(&buffer_);
        p.setPen(QColor(rgb));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(k, k, w - 2 * k - 1, h - 2 * k - 1));
        return;
    }
    int l = 0;
    int t = 0;
    int r = 0;
    int b = 0;
    // Round the caption, or round the picture where a button shows only a picture; a button
    // with neither takes the cue round its face.
    const QRect box = caption_.isEmpty() ? pictureRect_ : captionRect_;
    if (aroundCaption && (!caption_.isEmpty() || !box.isEmpty())) {
        const int shift = value_ || PressedAndHot() ? 1 : 0;
        l = box.left() - 3 + shift;
        t = box.top() - 3 + shift;
        r = box.left() + box.width() + 3 + shift;
        b = box.top() + box.height() + 3 + shift;
    } else {
        l = faceL_ + 4;
        t = 4;
        r = faceRight_ - 4;
        b = h - 4;
    }
    if (solid) {
        const QPoint pts[5] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}};
        polyline(pts, 5);
    } else {
        c.FocusRect(l, t, r, b);
    }
}

OleColor XPButtonPrivate::SlantedFocusColor(bool down) const {
    return Slanted() && !down ? ShadeColor(faceColor_, -48) : kBlack;
}

void XPButtonPrivate::FinishFace(Canvas& c, OleColor face, OleColor focus) {
    FocusCue(c, focus, value_, false);
    DrawCaption(face, DisabledTextColor(), value_, true);
}

// --- the style routines ---------------------------------------------------------------------

void XPButtonPrivate::DrawRaised(Canvas& c) {
    const OleColor F = CheckedOrFaceColor();
    int state = FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    if (CheckedOrHeld()) {
        state = 3;
    }
    if (!Elliptic()) {
        const std::int64_t L = Rgb(233, 233, 233);
        const std::int64_t outerLT = (status_ & XPButton::kDefaultLook) ? kBlack : kWhite;
        // Entry pairs (left and top, right and bottom of each ring) by state: normal, default,
        // pressed, checked or held.
        const std::int64_t table[6][4] = {
            {kNone, L, kNone, kNone},             // 1, 2 inner left, top
            {kNone, kGrey, kNone, kNone},         // 3, 4 inner right, bottom
            {L, kWhite, kNone, kNone},            // 5, 6 middle left, top
            {kGrey, kBlack, kGrey, L},            // 7, 8 middle right, bottom
            {outerLT, outerLT, outerLT, kBlack},  // 9, 10 outer left, top
            {kBlack, kBlack, kBlack, kWhite},     // 11, 12 outer right, bottom
        };
        LineTable t = EmptyTable();
        for (int pair = 0; pair < 6; ++pair) {
            SetEntries(t, {2 * pair + 1, 2 * pair + 2}, table[pair][state]);
        }
        DrawOutline(c, t, false);
    }
    FinishFace(c, F, SlantedFocusColor(false));
}

void XPButtonPrivate::DrawFramed(Canvas& c) {
    const OleColor F = CheckedOrFaceColor();
    FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    const bool down = CheckedOrHeld();
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        SetBevel(t, {1, 2, 5, 6}, {3, 4, 7, 8}, down, kWhite, kGrey);
        SetEntries(t, {9, 10, 11, 12}, kBlack);
        DrawOutline(c, t, false);
    }
    FinishFace(c, F, SlantedFocusColor(down));
}

void XPButtonPrivate::DrawRounded(Canvas& c) {
    const bool enabled = q->isEnabled();
    OleColor F = faceColor_;
    if (type_ == ButtonType::Command) {
        if (!enabled) {
            F = ShadeColor(faceColor_, -24, true);
        } else if (PressedAndHot() && gradient_ == Gradient::None) {
            F = pressedColor_;
        }
    } else if (value_) {
        F = checkedColor_;
    }
    const OleColor bottom =
        gradient_ != Gradient::None ? ShadeColor(TranslateColor(gradientColor_), 48, true) : F;
    int state = FillFace(c, F, bottom, hoverFaceColor_);
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        if (enabled) {
            if (CheckedOrHeld()) {
                state = (status_ & XPButton::kDefaultLook) ? 1 : 2;
            }
            if ((status_ & XPButton::kHot) && !(status_ & XPButton::kPressed)) {
                state = 3;
            } else if (state == 1 && !showFocusRect_) {
                state = 0;
            }
            auto s = [F](int delta) -> std::int64_t { return ShadeColor(F, delta, true); };
            const std::array<std::array<std::int64_t, 4>, 8> table = {{
                {s(-10), Rgb(181, 209, 240), s(-22), Rgb(255, 203, 107)},
                {s(10), Rgb(189, 215, 247), s(-24), Rgb(255, 219, 140)},
                {s(-24), Rgb(181, 209, 240), F, Rgb(255, 203, 107)},
                {s(-32), Rgb(140, 174, 231), s(10), Rgb(255, 178, 49)},
                {s(-5), Rgb(140, 174, 231), s(-32), Rgb(255, 178, 49)},
                {s(16), Rgb(191, 223, 255), s(-32), Rgb(255, 233, 166)},
                {s(-36), Rgb(140, 174, 231), s(5), Rgb(255, 178, 49)},
                {s(-48), Rgb(107, 130, 239), s(16), Rgb(231, 150, 0)},
            }};
            for (int e = 1; e <= 8; ++e) {
                t[static_cast<std::size_t>(e)] =
                    table[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(state)];
            }
            SetEntries(t, {9, 10, 11, 12}, Rgb(0, 60, 115));
        } else {
            SetEntries(t, {9, 10, 11, 12}, ShadeColor(F, -84, true));
        }
        DrawOutline(c, t, false);
        const QRgb border = LineRgb(t[9]);
        const int w = q->width();
        const int h = q->height();
        // Rounds the cut corners off.
        if (LeftSlanted() == 0) {
            c.SetPixel(1, 1, border);
            c.SetPixel(1, h - 2, border);
        }
        if (RightSlanted() == 0) {
            c.SetPixel(w - 2, 1, border);
            c.SetPixel(w - 2, h - 2, border);
        }
    } else {
        FocusCue(c, hoverActive_ ? Rgb(231, 150, 0) : Rgb(107, 130, 239), true, false);
    }
    DrawCaption(F, ShadeColor(F, -104, true), value_, true);
}

void XPButtonPrivate::DrawEtched(Canvas& c) {
    const bool enabled = q->isEnabled();
    OleColor F = faceColor_;
    if (type_ == ButtonType::Command) {
        if (PressedAndHot()) {
            F = pressedColor_;
        }
    } else if (value_) {
        F = checkedColor_;
    }
    int state = FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    if (IsCheckOrOption()) {
        state = value_ || held_ ? 2 : 3;
    }
    if (state < 2) {
        state = 1;
    }
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        const OleColor dark = ShadeColor(kGrey, -26);
        if (enabled || IsCheckOrOption()) {
            SetEntries(t, {5, 6}, state == 2 ? F : kWhite);
            SetEntries(t, {7, 8, 9, 10}, dark);
            SetEntries(t, {11, 12}, kWhite);
        } else {
            SetEntries(t, {1, 2, 3, 4, 5, 6, 7, 8}, F);
            SetEntries(t, {9, 10, 11, 12}, dark);
        }
        DrawOutline(c, t, false);
    }
    FocusCue(c, Rgb(153, 153, 204), true, true);
    DrawCaption(F, !enabled && IsCheckOrOption() ? ShadeColor(kGrey, -16) : kGrey, false, true);
}

void XPButtonPrivate::DrawThin(Canvas& c) {
    const OleColor F = CheckedOrFaceColor();
    FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    const bool down = CheckedOrHeld();
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        SetBevel(t, {9, 10}, {11, 12}, down, kWhite, kGrey);
        DrawOutline(c, t, false);
    }
    FinishFace(c, F, SlantedFocusColor(down));
}

void XPButtonPrivate::DrawHoverEdge(Canvas& c) {
    const OleColor F = CheckedOrFaceColor();
    FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    const bool design = DesignMode();
    OleColor designEdge = ShadeColor(containerBack_, -64);
    if (designEdge == kBlack) {
        designEdge = kWhite;
    }
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        bool dotted = false;
        if ((status_ & XPButton::kHot) || value_) {
            SetBevel(t, {9, 10}, {11, 12}, CheckedOrHeld(), kWhite, kGrey);
        } else if (design) {
            SetEntries(t, {9, 10, 11, 12}, designEdge);
            dotted = true;
        }
        DrawOutline(c, t, dotted);
    } else if (design && F == containerBack_) {
        // Lets the designer see a round button that would otherwise vanish into its container.
        QPainter p(&buffer_);
        p.setPen(QColor(ToQRgb(designEdge)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(0, 0, q->width() - 1, q->height() - 1));
    }
    FinishFace(c, F,
               shape_ > Shape::Rectangle && !value_ ? ShadeColor(containerBack_, -32) : kBlack);
}

void XPButtonPrivate::DrawSoft(Canvas& c) {
    const OleColor F = CheckedOrFaceColor();
    FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    const bool down = CheckedOrHeld() || PressedAndHot();
    if (!Elliptic()) {
        const OleColor light = ShadeColor(Rgb(223, 223, 223), 8);
        LineTable t = EmptyTable();
        SetBevel(t, {5, 6, 9, 10}, {7, 8, 11, 12}, down, light, kGrey);
        DrawOutline(c, t, false);
    }
    FinishFace(c, F, SlantedFocusColor(CheckedOrHeld()));
}

void XPButtonPrivate::DrawBevelled(Canvas& c) {
    OleColor F = faceColor_;
    if (type_ == ButtonType::Command) {
        if (PressedAndHot()) {
            F = pressedColor_;
        }
    } else if (value_) {
        F = checkedColor_;
    }
    const OleColor bottom =
        gradient_ != Gradient::None ? ShadeColor(TranslateColor(gradientColor_), 31) : F;
    int state = FillFace(c, F, bottom, hoverFaceColor_);
    if (CheckedOrHeld()) {
        state = value_ ? 2 : 0;
    }
    OleColor A = kWhite;
    OleColor M = ShadeColor(F, 31, true);
    OleColor N = ShadeColor(F, -64, true);
    if (state == 2) {
        const OleColor C = gradient_ != Gradient::None ? faceColor_ : kGrey;
        F = C;
        A = ShadeColor(C, -32);
        M = ShadeColor(C, -64);
        N = ShadeColor(C, -16);
    }
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        SetEntries(t, {1, 2}, A);
        SetEntries(t, {3, 4}, F);
        SetEntries(t, {5, 6}, M);
        SetEntries(t, {7, 8}, N);
        SetEntries(t, {9, 10, 11, 12}, kBlack);
        DrawOutline(c, t, false);
        const int w = q->width();
        const int h = q->height();
        if (LeftSlanted() == 0) {
            c.SetPixel(3, 3, ToQRgb(A));
            c.SetPixel(1, h - 3, ToQRgb(F));
            c.SetPixel(2, 2, ToQRgb(M));
            c.SetPixel(1, h - 2, ToQRgb(kBlack));
            c.SetPixel(1, 1, ToQRgb(kBlack));
        }
        if (RightSlanted() == 0) {
            c.SetPixel(w - 4, h - 4, ToQRgb(F));
            c.SetPixel(w - 3, 1, ToQRgb(F));
            c.SetPixel(w - 3, h - 3, ToQRgb(N));
            c.SetPixel(w - 2, h - 2, ToQRgb(kBlack));
            c.SetPixel(w - 2, 1, ToQRgb(kBlack));
        }
    }
    OleColor focus = kBlack;
    if (type_ == ButtonType::Command && shape_ > Shape::Rectangle) {
        focus = ShadeColor(F, -64);
    } else if (IsCheckOrOption() && value_) {
        focus = ShadeColor(kGrey, -32);
    }
    FocusCue(c, focus, value_, true);
    // On the grey pressed or checked face the plain text colour stays readable; the hover
    // colour is meant for the lit face only.
    const std::int64_t text = gradient_ == Gradient::None && state == 2 ? foreColor_ : kNone;
    DrawCaption(F, DisabledTextColor(), value_, true, text);
}

}  // namespace qm
