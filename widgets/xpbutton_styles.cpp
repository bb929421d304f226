// SPDX-License-Identifier: MIT
// The eight face styles, one routine per FaceStyle: the outline table of each state, corner
// pixels and the cue colours. The parts they share are in xpbutton_faceparts.cpp.
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

// The styles that differ only in their rings: the plain or checked face, the rings the table
// gives for the down or up look, then the cue and the caption.
void XPButtonPrivate::DrawRingedFace(Canvas& c, bool ringsDown, void (*rings)(LineTable&, bool)) {
    const OleColor F = CheckedOrFaceColor();
    FillFace(c, F, TranslateColor(gradientColor_), hoverFaceColor_);
    if (!Elliptic()) {
        LineTable t = EmptyTable();
        rings(t, ringsDown);
        DrawOutline(c, t, false);
    }
    FinishFace(c, F, SlantedFocusColor(CheckedOrHeld()));
}

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
    DrawRingedFace(c, CheckedOrHeld(), [](LineTable& t, bool down) {
        SetBevel(t, {1, 2, 5, 6}, {3, 4, 7, 8}, down, kWhite, kGrey);
        SetEntries(t, {9, 10, 11, 12}, kBlack);
    });
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
        const QRgb border = ToQRgb(static_cast<OleColor>(t[9]));
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
    OleColor F = PressedOrCheckedColor();
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
    DrawRingedFace(c, CheckedOrHeld(), [](LineTable& t, bool down) {
        SetBevel(t, {9, 10}, {11, 12}, down, kWhite, kGrey);
    });
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
    DrawRingedFace(c, CheckedOrHeld() || PressedAndHot(), [](LineTable& t, bool down) {
        SetBevel(t, {5, 6, 9, 10}, {7, 8, 11, 12}, down, ShadeColor(Rgb(223, 223, 223), 8), kGrey);
    });
}

void XPButtonPrivate::DrawBevelled(Canvas& c) {
    OleColor F = PressedOrCheckedColor();
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
