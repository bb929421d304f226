// SPDX-License-Identifier: MIT
// The parts every face style is made of: the fill, the three outline rings, the focus cue and
// the finish with caption and picture.
#include <QPainter>
#include <algorithm>

#include "widgets/raster.h"
#include "widgets/xpbutton_p.h"

namespace qm {

using raster::Canvas;

namespace {

// A colour of the line table (never kNoColor where it is used).
QRgb LineRgb(std::int64_t entry) {
    return ToQRgb(static_cast<OleColor>(entry));
}

}  // namespace

int XPButtonPrivate::FillFace(Canvas& c, OleColor top, std::int64_t bottom, OleColor hover) {
    const int w = q->width();
    const int h = q->height();
    const bool hot = (status_ & XPButton::kHot) != 0;
    const int state = PressedAndHot() ? 2 : ((status_ & XPButton::kDefaultLook) ? 1 : 0);
    OleColor fill = top;
    // A pressed (or checked) button keeps its own face under the cursor.
    if (hoverActive_ &&
        !((PressedAndHot() || IsCheckOrOption()) && (value_ || type_ == ButtonType::Command))) {
        fill = hover;
    }
    if (Elliptic()) {
        FillEllipseRing(c, fill);
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
        GradientFill(c, top, bottom == kNoColor ? top : static_cast<OleColor>(bottom), gradient_);
    } else {
        c.FillRect(0, 0, w, h, ToQRgb(hover));
    }
    return state;
}

// The ring round an elliptic face, then the clip to the face inside it.
void XPButtonPrivate::FillEllipseRing(Canvas& c, OleColor fill) {
    const int w = q->width();
    const int h = q->height();
    const bool pressed = (status_ & XPButton::kPressed) != 0;
    c.ClearClip();
    const bool ring = (status_ & XPButton::kHot) || pressed || style_ != FaceStyle::HoverEdge;
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

    std::int64_t lastColor = kNoColor;
    raster::Pen lastPen = raster::Pen::Solid;
    for (int ring = 0; ring < 3; ++ring) {
        const raster::Pen pen = ring == 2 && dottedOuter ? raster::Pen::Dot : raster::Pen::Solid;
        for (int side = 0; side < 4; ++side) {
            const std::int64_t color = t[static_cast<std::size_t>(ring * 4 + side + 1)];
            if (color == kNoColor) {
                continue;
            }
            c.Line(p[ring * 5 + side], p[ring * 5 + side + 1], LineRgb(color), pen);
            lastColor = color;
            lastPen = pen;
        }
    }
    // The bottom outer line once more, with the pen the last side used; when no side was drawn
    // there is no pen of the outline's own to use, and the edge stays invisible as wanted.
    if (lastColor != kNoColor) {
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

}  // namespace qm
