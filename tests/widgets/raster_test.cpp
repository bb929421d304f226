// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "widgets/raster.h"

using namespace qm::raster;

namespace {

QImage Blank(int w = 12, int h = 12) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

int CountColored(const QImage& img, QRgb c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += (img.pixel(x, y) & 0xFFFFFFu) == (c & 0xFFFFFFu) ? 1 : 0;
        }
    }
    return n;
}

}  // namespace

TEST(CanvasLine, LeavesOutTheEndPointInEveryDirection) {
    const QRgb red = qRgb(255, 0, 0);
    struct Case {
        QPoint a, b;
    } cases[] = {{{1, 1}, {6, 1}}, {{6, 1}, {1, 1}}, {{1, 1}, {1, 6}},
                 {{1, 6}, {1, 1}}, {{1, 1}, {6, 6}}, {{6, 6}, {1, 1}}};
    for (const auto& c : cases) {
        QImage img = Blank();
        Canvas canvas(img);
        canvas.Line(c.a, c.b, red);
        EXPECT_EQ(img.pixel(c.a), red);
        EXPECT_NE(img.pixel(c.b), red);
        EXPECT_EQ(CountColored(img, red), 5);
    }
}

TEST(DrawLine, SamePixelsAsTheCanvasClippedAndInAnyFormat) {
    const QRgb black = qRgb(0, 0, 0);
    for (QPoint to : {QPoint(9, 3), QPoint(2, 11), QPoint(-4, 7), QPoint(15, -2)}) {
        QImage viaCanvas = Blank();
        Canvas(viaCanvas).Line({5, 5}, to, black);
        QImage direct = Blank();
        DrawLine(direct, {5, 5}, to, black);
        EXPECT_EQ(direct, viaCanvas) << to.x() << "," << to.y();
        QImage packed = Blank().convertToFormat(QImage::Format_RGB888);
        DrawLine(packed, {5, 5}, to, black);
        EXPECT_EQ(packed.convertToFormat(QImage::Format_RGB32), viaCanvas);
    }
}

TEST(CanvasLine, DotPenDrawsThreeOnThreeOff) {
    QImage img = Blank(14, 2);
    Canvas canvas(img);
    canvas.Line({0, 0}, {13, 0}, qRgb(0, 0, 0), Pen::Dot);
    QString pattern;
    for (int x = 0; x < 13; ++x) {
        pattern += (img.pixel(x, 0) & 0xFFFFFF) == 0 ? '#' : '.';
    }
    EXPECT_EQ(pattern, QString("###...###...#"));
}

TEST(CanvasClip, FillsStayInsideTheClipSpans) {
    QImage img = Blank(10, 10);
    Canvas canvas(img);
    canvas.SetClip(QRegion(2, 2, 3, 3));
    canvas.FillRect(0, 0, 10, 10, qRgb(0, 0, 0));
    canvas.SetPixel(0, 0, qRgb(0, 0, 0));
    EXPECT_EQ(CountColored(img, qRgb(0, 0, 0)), 9);
    canvas.ClearClip();
    canvas.FillRect(-5, -5, 1, 1, qRgb(0, 0, 0));
    EXPECT_EQ(CountColored(img, qRgb(0, 0, 0)), 10);
}

TEST(PolygonRegion, TopLeftRuleGivesExactRectanglesAndCornerTriangles) {
    EXPECT_EQ(PolygonRegion({{0, 0}, {4, 0}, {4, 3}, {0, 3}}), QRegion(0, 0, 4, 3));
    // The triangle (0,0),(2,0),(0,2) owns (0,0), (1,0) and (0,1).
    const QRegion tri = PolygonRegion({{0, 0}, {2, 0}, {0, 2}});
    EXPECT_TRUE(tri.contains(QPoint(0, 0)));
    EXPECT_TRUE(tri.contains(QPoint(1, 0)));
    EXPECT_TRUE(tri.contains(QPoint(0, 1)));
    EXPECT_FALSE(tri.contains(QPoint(1, 1)));
    // A slanted side: row y starts at ceil(y * 10 / 10).
    const QRegion par = PolygonRegion({{0, 0}, {10, 10}, {20, 10}, {20, 0}});
    for (int y = 0; y < 10; ++y) {
        EXPECT_FALSE(par.contains(QPoint(y - 1, y)));
        EXPECT_TRUE(par.contains(QPoint(y, y)));
    }
}

TEST(CanvasFocusRect, InvertsEveryOtherFramePixel) {
    QImage img = Blank(8, 6);
    Canvas canvas(img);
    canvas.FocusRect(1, 1, 7, 5);
    EXPECT_EQ(img.pixel(1, 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(img.pixel(2, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(img.pixel(3, 3) & 0xFFFFFF, 0xFFFFFFu);  // inside stays
    canvas.FocusRect(1, 1, 7, 5);                      // drawing twice restores
    EXPECT_EQ(CountColored(img, qRgb(255, 255, 255)), 48);
}
