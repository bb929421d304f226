// SPDX-License-Identifier: MIT
// Pixel tests: the buffer of a drawn button against the colours and positions the face fixes.
#include <QScreen>
#include <QSet>

#include "helpers.h"

using namespace qmtest;
using qm::Rgb;
using qm::ShadeColor;

namespace {

const OleColor kGrey = qm::kGrey;
const OleColor kWhite = qm::kWhite;
const OleColor kBlack = qm::kBlack;
const OleColor kBorder2 = Rgb(0, 60, 115);

// The first and last pixel of row y that lie in the button's shape.
std::pair<int, int> RowExtent(const XPButton* b, int y) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < b->width(); ++x) {
        if (b->ShapeRegion().contains(QPoint(x, y))) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

}  // namespace

class Render : public WidgetTest {};

TEST_F(Render, Style2RingsPerPaintState) {
    XPButton* b = Make(80, 33, 2, 0);
    b->setCaption(QString());
    const OleColor F = Rgb(248, 249, 251);  // Shade(200 grey, +48, b)
    ASSERT_EQ(b->DerivedColors()[0], F);
    auto S = [](OleColor c, int d) { return ShadeColor(c, d, true); };
    auto rings = [&](std::array<OleColor, 8> inner) {
        // One sample per side of the inner and middle rings, then the border.
        EXPECT_EQ(Px(b, 2, 16), Q(inner[0]));
        EXPECT_EQ(Px(b, 40, 2), Q(inner[1]));
        EXPECT_EQ(Px(b, 77, 16), Q(inner[2]));
        EXPECT_EQ(Px(b, 40, 30), Q(inner[3]));
        EXPECT_EQ(Px(b, 1, 16), Q(inner[4]));
        EXPECT_EQ(Px(b, 40, 1), Q(inner[5]));
        EXPECT_EQ(Px(b, 78, 16), Q(inner[6]));
        EXPECT_EQ(Px(b, 40, 31), Q(inner[7]));
        for (QPoint p : {QPoint(0, 16), QPoint(40, 0), QPoint(79, 16), QPoint(40, 32), QPoint(1, 1),
                         QPoint(1, 31), QPoint(78, 1), QPoint(78, 31)}) {
            EXPECT_EQ(Px(b, p.x(), p.y()), Q(kBorder2)) << p.x() << "," << p.y();
        }
    };
    // normal; the face darkens row by row
    rings({S(F, -10), S(F, 10), S(F, -24), S(F, -32), S(F, -5), S(F, 16), S(F, -36), S(F, -48)});
    EXPECT_EQ(Px(b, 10, 16), Q(S(F, -12)));
    EXPECT_EQ(Px(b, 10, 1 + 0), Q(S(F, 16)));

    // hot
    Enter(b);
    b->Refresh();
    rings({Rgb(255, 203, 107), Rgb(255, 219, 140), Rgb(255, 203, 107), Rgb(255, 178, 49),
           Rgb(255, 178, 49), Rgb(255, 233, 166), Rgb(255, 178, 49), Rgb(231, 150, 0)});

    // pressed: the pressed colour becomes the face the rings are shaded from
    Press(b);
    const OleColor P = b->DerivedColors()[1];
    EXPECT_EQ(P, S(F, -32));
    rings({S(P, -22), S(P, -24), P, S(P, 10), S(P, -32), S(P, -32), S(P, 5), S(P, 16)});
    EXPECT_EQ(Px(b, 10, 16), Q(S(P, -12)));
    Release(b);

    // default look, cursor gone
    CursorOver() = nullptr;
    b->CheckHover(qm::modQmTimer::kHoverTimerId);
    host->looksDefault = true;
    b->AmbientChanged("DisplayAsDefault");
    rings({Rgb(181, 209, 240), Rgb(189, 215, 247), Rgb(181, 209, 240), Rgb(140, 174, 231),
           Rgb(140, 174, 231), Rgb(191, 223, 255), Rgb(140, 174, 231), Rgb(107, 130, 239)});
}

TEST_F(Render, DisabledStyle2ShowsOnlyItsShadedBorder) {
    XPButton* b = Make(80, 33, 2, 0);
    b->setCaption(QString());
    b->setEnabled(false);
    const OleColor F = ShadeColor(Rgb(248, 249, 251), -24, true);
    const OleColor border = ShadeColor(F, -84, true);
    EXPECT_EQ(Px(b, 0, 16), Q(border));
    EXPECT_EQ(Px(b, 40, 32), Q(border));
    EXPECT_EQ(Px(b, 1, 1), Q(border));
    // no inner lines, and a flat face
    EXPECT_EQ(Px(b, 1, 16), Q(F));
    EXPECT_EQ(Px(b, 2, 16), Q(F));
    EXPECT_EQ(Px(b, 40, 2), Q(F));
    EXPECT_EQ(Px(b, 40, 30), Q(F));
}

TEST_F(Render, OutlineColoursOfTheOtherStylesOnTheRectangle) {
    const OleColor L = Rgb(233, 233, 233);
    const OleColor dark = ShadeColor(kGrey, -26);
    const OleColor light6 = ShadeColor(Rgb(223, 223, 223), 8);
    struct Case {
        int style;
        bool checked;
        // outer left, middle left, inner left, inner right, middle right, outer right
        std::array<std::int64_t, 6> left_to_right;
    };
    const std::int64_t face = -2;  // the fill shows through
    const Case cases[] = {
        {0, false, {kWhite, L, face, face, kGrey, kBlack}},
        {0, true, {kBlack, face, face, face, L, kWhite}},
        {1, false, {kBlack, kWhite, kWhite, kGrey, kGrey, kBlack}},
        {1, true, {kBlack, kGrey, kGrey, kWhite, kWhite, kBlack}},
        {3, false, {dark, kWhite, face, face, dark, kWhite}},
        {4, false, {kWhite, face, face, face, face, kGrey}},
        {4, true, {kGrey, face, face, face, face, kWhite}},
        {5, false, {face, face, face, face, face, face}},
        {6, false, {light6, light6, face, face, kGrey, kGrey}},
        {6, true, {kGrey, kGrey, face, face, light6, light6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " checked " << c.checked);
        XPButton* b = Make(80, 33, c.style, 0);
        b->setCaption(QString());
        if (c.checked) {
            b->setMode(1);
            b->setValue(true);
        }
        const OleColor F = c.checked ? b->DerivedColors()[3] : b->DerivedColors()[0];
        const int xs[6] = {0, 1, 2, 77, 78, 79};
        for (int i = 0; i < 6; ++i) {
            const OleColor want =
                c.left_to_right[static_cast<std::size_t>(i)] == face
                    ? F
                    : static_cast<OleColor>(c.left_to_right[static_cast<std::size_t>(i)]);
            EXPECT_EQ(Px(b, xs[i], 16), Q(want)) << "x " << xs[i];
        }
        delete b;
    }
}

TEST_F(Render, Style7CornerPixelsOnlyOnSquareCorners) {
    XPButton* b = Make(80, 33, 7, 0);
    b->setCaption(QString());
    const OleColor F = b->DerivedColors()[0];
    const OleColor M = ShadeColor(F, 31, true);
    EXPECT_EQ(Px(b, 1, 1), Q(kBlack));
    EXPECT_EQ(Px(b, 2, 2), Q(M));
    EXPECT_EQ(Px(b, 3, 3), Q(kWhite));
    EXPECT_EQ(Px(b, 1, 30), Q(F));
    EXPECT_EQ(Px(b, 77, 1), Q(F));
    EXPECT_EQ(Px(b, 78, 31), Q(kBlack));
    EXPECT_EQ(Px(b, 77, 30), Q(ShadeColor(F, -64, true)));
}

TEST_F(Render, Style5EdgeOnlyUnderTheCursorOrInDesign) {
    XPButton* b = Make(80, 33, 5, 0);
    b->setCaption(QString());
    const OleColor F = b->DerivedColors()[0];
    EXPECT_EQ(Px(b, 0, 16), Q(F));
    EXPECT_EQ(Px(b, 79, 32), Q(F));
    Enter(b);
    b->Refresh();
    EXPECT_EQ(Px(b, 0, 16), Q(kWhite));
    EXPECT_EQ(Px(b, 79, 16), Q(kGrey));
    CursorOver() = nullptr;
    b->CheckHover(qm::modQmTimer::kHoverTimerId);
    host->runMode = false;
    b->Refresh();
    // dotted: three on, three off along the top, from the top-left corner
    const OleColor edge = ShadeColor(qm::Rgb(240, 240, 240), -64);
    EXPECT_EQ(Px(b, 0, 0), Q(edge));
    EXPECT_EQ(Px(b, 2, 0), Q(edge));
    EXPECT_EQ(Px(b, 3, 0), Q(F));
    EXPECT_EQ(Px(b, 6, 0), Q(edge));
}

TEST_F(Render, ShapeRegionsAndCornerCuts) {
    // style 2: three pixels off each square corner
    XPButton* b = Make(80, 33, 2, 0);
    const QRegion& r = b->ShapeRegion();
    for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(0, 32), QPoint(1, 32),
                     QPoint(0, 31), QPoint(79, 0), QPoint(78, 0), QPoint(79, 1), QPoint(79, 32),
                     QPoint(78, 32), QPoint(79, 31)}) {
        EXPECT_FALSE(r.contains(p)) << p.x() << "," << p.y();
    }
    for (QPoint p : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(0, 30), QPoint(2, 32),
                     QPoint(77, 0), QPoint(78, 1), QPoint(77, 32), QPoint(79, 30)}) {
        EXPECT_TRUE(r.contains(p)) << p.x() << "," << p.y();
    }
    // style 1: single corner pixels; style 3: two corners, and none while disabled
    b->setButtonStyle(1);
    EXPECT_FALSE(b->ShapeRegion().contains(QPoint(0, 0)));
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(1, 0)));
    EXPECT_FALSE(b->ShapeRegion().contains(QPoint(79, 32)));
    b->setButtonStyle(3);
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(0, 0)));
    EXPECT_FALSE(b->ShapeRegion().contains(QPoint(0, 32)));
    EXPECT_FALSE(b->ShapeRegion().contains(QPoint(79, 0)));
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(79, 32)));
    b->setEnabled(false);
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(0, 32)));
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(79, 0)));
    // style 0: the whole rectangle
    b->setEnabled(true);
    b->setButtonStyle(0);
    EXPECT_TRUE(b->ShapeRegion().contains(QRect(0, 0, 80, 33)));
    // ellipse
    b->setButtonShape(4);
    EXPECT_FALSE(b->ShapeRegion().contains(QPoint(0, 0)));
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(40, 0)));
    EXPECT_TRUE(b->ShapeRegion().contains(QPoint(40, 16)));
}

TEST_F(Render, SlantedShapesWidenAndTheirOutlineTracesTheRegion) {
    XPButton* narrow = Make(26, 23, 1, 1);
    EXPECT_EQ(narrow->width(), 31);
    EXPECT_EQ(narrow->ShapeLeftInset(), 24);
    EXPECT_EQ(RowExtent(narrow, 0).first, 0);
    EXPECT_EQ(RowExtent(narrow, 22).first, 22);
    XPButton* wide = Make(100, 23, 1, 1);
    EXPECT_EQ(wide->width(), 100);  // wide enough already

    // style 2 on slanted shapes keeps the slanted corners whole and cuts the square ones
    XPButton* s2 = Make(80, 33, 2, 1);
    EXPECT_TRUE(s2->ShapeRegion().contains(QPoint(0, 0)));
    EXPECT_FALSE(s2->ShapeRegion().contains(QPoint(79, 0)));
    s2->setButtonShape(2);
    EXPECT_FALSE(s2->ShapeRegion().contains(QPoint(0, 0)));
    EXPECT_EQ(s2->FaceRightEdge(), 80 - 34);

    // Style 1 has a black border: the outermost pixel of every row is border, so the outline and
    // the region agree on every shape.
    for (int shape = 0; shape <= 3; ++shape) {
        SCOPED_TRACE(shape);
        XPButton* b = Make(90, 33, 1, shape);
        b->setCaption(QString());
        for (int y = 1; y < b->height() - 1; ++y) {
            const auto [first, last] = RowExtent(b, y);
            EXPECT_EQ(Px(b, first, y), Q(kBlack)) << "row " << y << " first " << first;
            EXPECT_EQ(Px(b, last, y), Q(kBlack)) << "row " << y << " last " << last;
        }
        delete b;
    }
}

TEST_F(Render, GradientBandsFollowTheScreenExtent) {
    const int screenWidth = host->screen()->geometry().width();
    ASSERT_GE(screenWidth, 400);
    XPButton* b = Make(100, 33, 5, 0);  // style 5 in run mode: no edge hides the bands
    b->setCaption(QString());
    const OleColor from = Rgb(0, 0, 255);
    b->setGradientColor(from);
    b->setGradientMode(2);
    EXPECT_EQ(Px(b, 0, 16), Q(from));  // mode 2: the gradient colour at the left
    for (int x = 1; x < 100; ++x) {
        EXPECT_GT(qRed(Px(b, x, 16)), qRed(Px(b, x - 1, 16))) << x;  // one band per column
    }
    // The running sums land within one of the end colour (the integer part of a real sum).
    EXPECT_NEAR(qBlue(Px(b, 99, 16)), 201, 1);
    EXPECT_EQ(qRed(Px(b, 99, 16)), 200);

    b->resize(300, 33);
    b->Refresh();
    const bool twoPixel = screenWidth / 300.0 < 4.0;
    for (int x = 0; x + 1 < 300; x += 2) {
        EXPECT_EQ(Px(b, x, 16) == Px(b, x + 1, 16), twoPixel) << x;
    }
    b->setGradientMode(3);  // rows: the back colour at the top
    EXPECT_EQ(Px(b, 150, 0), Q(Rgb(200, 200, 200)));
    EXPECT_EQ(Px(b, 150, 0), Px(b, 10, 0));
    EXPECT_NE(Px(b, 150, 0), Px(b, 150, 32));
}

TEST_F(Render, CaptionAndPicturePositions) {
    QImage pic(16, 16, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 255));
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            pic.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    XPButton* b = Make(120, 44, 5, 0);
    b->setCaption("Go");
    b->setCaptionAlign(0);
    EXPECT_EQ(b->CaptionRect().left(), 6);
    b->setPicture(qm::XPPicture::FromImage(pic));
    b->setPictureSize(2);  // 32 pixels
    EXPECT_EQ(b->CaptionRect().left(), 44);
    EXPECT_EQ(b->PictureRect(), QRect(6, 6, 32, 32));
    b->setPictureSize(4);  // 48 pixels: covers the face, the caption stays
    EXPECT_EQ(b->CaptionRect().left(), 6);

    // right edge, right-aligned caption
    b->setPictureSize(0);
    b->setPictureAlign(2);
    b->setCaptionAlign(1);
    const QRect cap = b->CaptionRect();
    EXPECT_EQ(cap.left() + cap.width(), 120 - 16 - 6 - 6);
    EXPECT_EQ(b->PictureRect().left(), 120 - 16 - 6);

    // top centre: the caption turns centred and sits under the picture
    b->resize(120, 70);
    b->setPictureAlign(4);
    EXPECT_EQ(b->CaptionAlign(), 2);
    const int th = b->CaptionRect().height();
    const int B = (70 - (th + 16)) / 2;
    EXPECT_EQ(b->PictureRect().left(), (120 - 16) / 2);
    EXPECT_EQ(b->PictureRect().top(), std::max(B, 6));
    EXPECT_EQ(b->CaptionRect().top(), B + 16 + 2);

    // drawing: the top-left colour of a bitmap is transparent
    b->setPictureAlign(0);
    b->setCaption(QString());
    b->Refresh();
    const QRect pr = b->PictureRect();
    const OleColor F = b->DerivedColors()[0];
    EXPECT_EQ(Px(b, pr.left(), pr.top()), Q(F));
    EXPECT_EQ(Px(b, pr.left() + 8, pr.top() + 8), qRgb(255, 0, 0));
    // disabled: an embossed grey silhouette, no colour
    b->setEnabled(false);
    EXPECT_EQ(Px(b, pr.left() + 8, pr.top() + 8), qRgb(128, 128, 128));
    EXPECT_EQ(Px(b, pr.left() + 12, pr.top() + 12), qRgb(255, 255, 255));
}

TEST_F(Render, CaptionInkStaysInItsRectangleAndMovesWhenPressed) {
    XPButton* b = Make(120, 40, 5, 0);
    b->setCaption("H&ello||World");
    b->setForeColor(Rgb(0, 0, 0));
    b->Refresh();
    const QRect cap = b->CaptionRect();
    EXPECT_GT(cap.height(), 2 * QFontMetrics(b->font()).height() - 6);  // two lines
    int count = 0;
    auto ink = [&](const QRect& area) {
        QRect box;
        count = 0;
        for (int y = 0; y < b->height(); ++y) {
            for (int x = 0; x < b->width(); ++x) {
                if (Px(b, x, y) == qRgb(0, 0, 0)) {
                    box |= QRect(x, y, 1, 1);
                    count += area.contains(x, y) ? 1 : 0;
                }
            }
        }
        return box;
    };
    const QRect before = ink(cap);
    EXPECT_GT(count, 20);
    EXPECT_TRUE(cap.contains(before));
    Enter(b, {60, 20});
    Press(b, {60, 20});
    EXPECT_EQ(ink(cap), before.translated(1, 1));
}

TEST_F(Render, CaptionEffectsAndDisabledText) {
    XPButton* b = Make(120, 40, 5, 0);  // style 5 in run mode: only the face and the text
    b->setCaption("Mm");
    b->setForeColor(Rgb(0, 0, 0));
    const OleColor face = b->DerivedColors()[0];
    auto colours = [&] {
        QSet<QRgb> seen;
        for (int y = 0; y < b->height(); ++y) {
            for (int x = 0; x < b->width(); ++x) {
                seen.insert(Px(b, x, y));
            }
        }
        return seen;
    };
    b->setCaptionStyle(1);
    QSet<QRgb> seen = colours();
    EXPECT_TRUE(seen.contains(Q(ShadeColor(face, -40))));
    EXPECT_TRUE(seen.contains(Q(ShadeColor(face, 40))));
    EXPECT_TRUE(seen.contains(Q(kBlack)));

    b->setCaptionStyle(0);
    b->setEnabled(false);  // a command button: etched
    seen = colours();
    EXPECT_TRUE(seen.contains(Q(kWhite)));
    EXPECT_TRUE(seen.contains(Q(kGrey)));
    EXPECT_FALSE(seen.contains(Q(kBlack)));

    b->setMode(1);  // a check button: plain grey, no highlight
    b->Refresh();
    seen = colours();
    EXPECT_TRUE(seen.contains(Q(kGrey)));
    EXPECT_FALSE(seen.contains(Q(kWhite)));
}

// The cue of styles 3 and 7 on an empty caption goes round the picture where it is drawn, or
// round the face without a picture, and leaves no mark anywhere else. The cue is what changes
// when the default look comes on.
TEST_F(Render, FocusCueOfPictureOnlyButtons) {
    QImage pic(16, 16, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 255));
    for (int y = 2; y < 14; ++y) {
        for (int x = 2; x < 14; ++x) {
            pic.setPixel(x, y, qRgb(0, 128, 0));
        }
    }
    enum State { Normal, Pressed, Checked };
    struct Case {
        int pictureSize;  // 0: no picture, else the PictureSize index (0 = 16, 3 = 40, 4 = 48)
        QRect cue;        // (l, t) to (r, b) in the normal state
    };
    // 120 x 40, picture at the left edge: 16 sits at (6, 12); 40 covers the button and keeps the
    // margin of 6; 48 is scaled by 1.75 to 28 x 28 and centred at (46, 6).
    const Case cases[] = {
        {-1, QRect(QPoint(4, 4), QPoint(116, 36))},
        {0, QRect(QPoint(3, 9), QPoint(25, 31))},
        {3, QRect(QPoint(3, 3), QPoint(117, 37))},
        {4, QRect(QPoint(43, 3), QPoint(77, 37))},
    };
    for (int style : {3, 7}) {
        for (const Case& k : cases) {
            for (State state : {Normal, Pressed, Checked}) {
                SCOPED_TRACE(testing::Message() << "style " << style << " picture size "
                                                << k.pictureSize << " state " << state);
                host->looksDefault = false;
                XPButton* b = Make(120, 40, style, 0);
                b->setCaption(QString());
                if (k.pictureSize >= 0) {
                    b->setPicture(qm::XPPicture::FromImage(pic));
                    b->setPictureSize(k.pictureSize);
                }
                if (state == Checked) {
                    b->setMode(1);
                    b->setValue(true);
                } else if (state == Pressed) {
                    Enter(b, {60, 20});
                    Press(b, {60, 20});
                }
                b->AmbientChanged("DisplayAsDefault");
                const QImage plain = b->Buffer().copy();
                host->looksDefault = true;
                b->AmbientChanged("DisplayAsDefault");
                ASSERT_TRUE(b->StatusFlags() & XPButton::kDefaultLook);
                // Pressed and checked move the cue round a caption or picture by one pixel; the
                // cue round the face stays. Style 3 is solid; style 7 dotted unless checked,
                // and a dotted frame leaves out its right column and bottom row.
                const bool moves = state != Normal && k.pictureSize >= 0;
                QRect cue = k.cue.translated(moves ? 1 : 0, moves ? 1 : 0);
                if (style == 7 && state != Checked) {
                    cue.adjust(0, 0, -1, -1);
                }
                int onSide[4] = {0, 0, 0, 0};  // left, top, right, bottom
                for (int y = 0; y < 40; ++y) {
                    for (int x = 0; x < 120; ++x) {
                        if (b->Buffer().pixel(x, y) == plain.pixel(x, y)) {
                            continue;
                        }
                        const bool onFrame =
                            cue.contains(x, y) && (x == cue.left() || x == cue.right() ||
                                                   y == cue.top() || y == cue.bottom());
                        ASSERT_TRUE(onFrame) << "stray cue pixel at " << x << "," << y;
                        onSide[0] += x == cue.left() ? 1 : 0;
                        onSide[1] += y == cue.top() ? 1 : 0;
                        onSide[2] += x == cue.right() ? 1 : 0;
                        onSide[3] += y == cue.bottom() ? 1 : 0;
                    }
                }
                // Every side is drawn, solid or every other pixel.
                const int minimum[4] = {(cue.height() - 1) / 2, (cue.width() - 1) / 2,
                                        (cue.height() - 1) / 2, (cue.width() - 1) / 2};
                for (int side = 0; side < 4; ++side) {
                    EXPECT_GE(onSide[side], minimum[side]) << "side " << side;
                }
                delete b;
            }
        }
    }
}

// On a screen of ratio r every logical pixel of the face covers the device pixels from
// qRound(x r) to qRound((x + 1) r) - 1 in the colour it has at 1x, so the outline is the 1x
// outline scaled (2 x 2 blocks at ratio 2); the caption and the picture are drawn at the device's
// own resolution, not blown up from 1x.
TEST_F(Render, DeviceRatiosScaleTheOutlineAndDrawTextAndPicturesSharp) {
    XPButton* b = Make(90, 40, 2, 0);
    b->setCaption("Mm");
    b->setForeColor(Rgb(0, 0, 0));
    // A 32-pixel checkerboard drawn at 16 logical pixels: at ratio 2 every source pixel shows.
    QImage pic(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            pic.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 0));
        }
    }
    pic.setPixel(0, 0, qRgb(255, 0, 255));  // the transparent colour, used nowhere else
    b->setPicture(qm::XPPicture::FromImage(pic));
    b->Refresh();
    const QImage one = b->Buffer().copy();
    const QRect caption = b->CaptionRect().adjusted(-2, -2, 2, 2);
    const QRect picture = b->PictureRect();
    for (qreal r : {2.0, 1.5}) {
        SCOPED_TRACE(r);
        const QImage img = b->RenderToImage(r);
        ASSERT_EQ(img.size(), QSize(qRound(90 * r), qRound(40 * r)));
        EXPECT_EQ(img.devicePixelRatio(), r);
        auto logical = [r](int device) {
            int v = static_cast<int>(device / r);
            while (qRound((v + 1) * r) <= device) {
                ++v;
            }
            while (qRound(v * r) > device) {
                --v;
            }
            return v;
        };
        int mismatches = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QPoint at(logical(x), logical(y));
                if (caption.contains(at) || picture.contains(at)) {
                    continue;
                }
                mismatches += img.pixel(x, y) != one.pixel(at) ? 1 : 0;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
    // At 2: the outline corner pixel (1, 1) is one 2 x 2 block; the caption has ink that no
    // 2 x 2 block of a blow-up has, and the picture shows its source pixel by pixel.
    const QImage two = b->RenderToImage(2);
    for (int y = 2; y < 4; ++y) {
        for (int x = 2; x < 4; ++x) {
            EXPECT_EQ(two.pixel(x, y), Q(kBorder2));
        }
    }
    auto mixedBlocks = [&two](const QRect& area) {
        int mixed = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb c = two.pixel(2 * x, 2 * y);
                mixed += two.pixel(2 * x + 1, 2 * y) != c || two.pixel(2 * x, 2 * y + 1) != c ||
                                 two.pixel(2 * x + 1, 2 * y + 1) != c
                             ? 1
                             : 0;
            }
        }
        return mixed;
    };
    EXPECT_GT(mixedBlocks(b->CaptionRect()), 4);
    EXPECT_EQ(mixedBlocks(picture.adjusted(1, 1, -1, -1)),
              (picture.width() - 2) * (picture.height() - 2));
    // The 1x buffer is untouched, and a repaint still draws at the screen's ratio.
    EXPECT_EQ(b->Buffer(), one);
    b->Refresh();
    EXPECT_EQ(b->Buffer(), one);
}
