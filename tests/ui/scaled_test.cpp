// SPDX-License-Identifier: MIT
// The picture set, the kept images and the pointers on scaled screens, rendered offscreen.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>

#include "assets/assets.h"
#include "assets/assets2x.h"
#include "ui/board/form2.h"
#include "ui/board/picturebox.h"
#include "ui/system/display.h"

namespace quorvane::ui {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// A white board of 640 x 480 logical pixels for pictures of the given ratio.
struct ScaledBoard {
    explicit ScaledBoard(qreal ratio) : pictures(ratio), box(pictures, QSize(640, 480)) {
        box.setBackColor(Qt::white);
        box.Cls();
    }
    QRgb at(int x, int y) const { return box.image().pixel(x, y); }
    Form2Pictures pictures;
    PictureBox box;
};

TEST(ScaledPictures, TheSetFollowsTheRatioAndPaintsAtItsLogicalSize) {
    const Form2Pictures plain(1.0);
    const QImage& face = plain.picture(Form2::Picture1(3));
    EXPECT_EQ(face.size(), QSize(39, 39));
    EXPECT_EQ(face.devicePixelRatio(), 1.0);
    for (const qreal ratio : {1.25, 1.5, 2.0}) {
        const Form2Pictures scaled(ratio);
        const QImage& twin = scaled.picture(Form2::Picture1(3));
        EXPECT_EQ(twin.size(), QSize(78, 78)) << ratio;
        EXPECT_EQ(twin.deviceIndependentSize(), QSizeF(39, 39)) << ratio;
        EXPECT_EQ(twin.format(), QImage::Format_RGB32) << ratio;
        EXPECT_EQ(scaled.background().deviceIndependentSize(), QSizeF(640, 480)) << ratio;
    }
}

TEST(ScaledPictures, AtTwoLinesAndPicturesCoverWholeDeviceBlocks) {
    ScaledBoard board(2.0);
    ASSERT_EQ(board.box.image().size(), QSize(1280, 960));
    EXPECT_EQ(board.box.image().devicePixelRatio(), 2.0);

    // A tile face in the cell at (40, 40): the 2x picture pixel for pixel from the cell's corner
    // (its 78 pixels stretched to the cell's 80 by repeating whole ones), nothing outside.
    const QImage twin =
        loadAsset(":/form2/picture1_03.png", 2.0).convertToFormat(QImage::Format_RGB32);
    board.box.PaintPicture(Form2::Picture1(3), 40, 40, 40, 40);
    EXPECT_EQ(board.at(80, 80), twin.pixel(0, 0));
    EXPECT_EQ(board.at(159, 159), twin.pixel(77, 77));
    EXPECT_EQ(board.at(79, 100), kWhite);
    EXPECT_EQ(board.at(160, 100), kWhite);
    // Real detail: across the middle of the face, neighbouring device pixels of one logical pixel
    // differ in many places (a blow-up of the 1x face has them equal everywhere).
    int splitPixels = 0;
    for (int x = 80; x < 160; x += 2) {
        splitPixels += board.at(x, 120) != board.at(x + 1, 120) ? 1 : 0;
    }
    EXPECT_GE(splitPixels, 8);

    // The grid line at y = 40 from x = 40 to 600, end point left out: device rows 80 and 81.
    board.box.Line(40, 40, 600, 40, kBlack);
    for (const int y : {80, 81}) {
        EXPECT_EQ(board.at(80, y), kBlack);
        EXPECT_EQ(board.at(1199, y), kBlack);
        EXPECT_EQ(board.at(1200, y), kWhite);
    }
    EXPECT_EQ(board.at(80, 82), twin.pixel(1, 1));
}

// The background decompressed straight onto the board's canvas at 2x is the picture drawn there,
// pixel for pixel; at 1.5x, where it cannot be, the box draws it as before; and a canvas that is
// not one made for it is never written into.
TEST(ScaledPictures, TheBackgroundStraightOntoTheCanvasIsThePictureDrawn) {
    for (const qreal ratio : {2.0, 1.5}) {
        const Form2Pictures pictures(ratio);
        PictureBox straight(pictures, QSize(640, 480));
        straight.setPicture(
            [&pictures] { return pictures.background(); },
            [&pictures](QImage& canvas) { return pictures.backgroundInto(canvas); });
        PictureBox drawn(pictures, QSize(640, 480));
        drawn.setPicture(pictures.background());
        straight.PaintPicture(Form2::Picture1(3), 40, 40, 40, 40);
        straight.Cls();
        drawn.Cls();
        EXPECT_EQ(straight.image(), drawn.image()) << ratio;
    }
    const Form2Pictures pictures(2.0);
    QImage plain(1280, 960, QImage::Format_RGB32);
    plain.fill(kWhite);
    EXPECT_FALSE(pictures.backgroundInto(plain));
    EXPECT_EQ(plain.pixel(0, 0), kWhite);
    QImage canvas = newCanvas(QSize(1280, 960));
    EXPECT_TRUE(pictures.backgroundInto(canvas));
    EXPECT_EQ(canvas, loadAsset(QStringLiteral(":/board/background.png"), 2.0));
}

TEST(ScaledPictures, AtOneAndAHalfLinesAndPicturesMeetOnTheSameDevicePixels) {
    ScaledBoard board(1.5);
    ASSERT_EQ(board.box.image().size(), QSize(960, 720));
    // A link piece 10 pixels thick at x = 55: logical 55 starts at device 82.5, rounded to 83.
    board.box.PaintPicture(Form2::Picture2(0), 55, 40, 10, 25);
    const QRect piece = toDevice(QRect(55, 40, 10, 25), 1.5);
    EXPECT_EQ(piece, QRect(83, 60, 15, 38));
    const QRgb link = qRgb(116, 58, 249);
    EXPECT_EQ(board.at(piece.left(), piece.top()), link);
    EXPECT_EQ(board.at(piece.right(), piece.bottom()), link);
    EXPECT_EQ(board.at(piece.left() - 1, piece.top()), kWhite);
    EXPECT_EQ(board.at(piece.right() + 1, piece.bottom()), kWhite);
    EXPECT_EQ(board.at(piece.left(), piece.bottom() + 1), kWhite);
    // Lines use the same rounding: logical column 55 is device column 83 alone, 56 is 84 and 85.
    board.box.Line(55, 40, 55, 65, kBlack);
    EXPECT_EQ(board.at(83, 70), kBlack);
    EXPECT_EQ(board.at(84, 70), link);
    board.box.Line(56, 40, 56, 65, kBlack);
    EXPECT_EQ(board.at(84, 70), kBlack);
    EXPECT_EQ(board.at(85, 70), kBlack);
    EXPECT_EQ(board.at(86, 70), link);
    EXPECT_EQ(board.at(82, 70), kWhite);
}

TEST(ScaledPictures, ThePointersHotSpotStaysOnTheSamePointOfThePicture) {
    const QCursor plain =
        pointerCursor(":/board/tile_cursor.png", QPoint(kTileCursorHotX, kTileCursorHotY), 1.0);
    EXPECT_EQ(plain.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(plain.hotSpot(), QPoint(kTileCursorHotX, kTileCursorHotY));

    // Offscreen, as on X11, the window system takes the picture and its hot spot in device pixels.
    const QCursor doubled =
        pointerCursor(":/board/tile_cursor.png", QPoint(kTileCursorHotX, kTileCursorHotY), 2.0);
    EXPECT_EQ(doubled.pixmap().size(), QSize(64, 64));
    EXPECT_EQ(doubled.pixmap().devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.hotSpot(), QPoint(2 * kTileCursorHotX, 2 * kTileCursorHotY));

    const QCursor half = pointerCursor(":/frame/button_cursor.png",
                                       QPoint(kButtonCursorHotX, kButtonCursorHotY), 1.5);
    EXPECT_EQ(half.pixmap().size(), QSize(48, 48));
    EXPECT_EQ(half.hotSpot(), QPoint(30, 2));
}

}  // namespace
}  // namespace quorvane::ui
