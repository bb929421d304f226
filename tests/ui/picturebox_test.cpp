// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QThread>

#include "ui/board/form2.h"
#include "ui/board/picturebox.h"
#include "ui/intervaltimer.h"
#include "ui/system/platform.h"

namespace quorvane::ui {
namespace {

// A white picture box of the given size, to draw lines on.
class LineBox {
  public:
    LineBox(int w, int h) : box(pictures, QSize(w, h)) {
        box.setBackColor(Qt::white);
        box.Cls();
    }
    int inked() const {
        int n = 0;
        const QImage& image = box.image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        return n;
    }
    Form2Pictures pictures;
    PictureBox box;
};

TEST(LineDrawing, LeavesOutTheEndPointInEveryDirection) {
    struct Case {
        int x1, y1, x2, y2;
    };
    for (const Case& c : {Case{1, 1, 8, 1}, Case{8, 1, 1, 1}, Case{1, 1, 1, 8}, Case{1, 8, 1, 1},
                          Case{1, 1, 8, 8}, Case{8, 8, 1, 1}, Case{1, 1, 8, 4}, Case{8, 4, 1, 1}}) {
        LineBox lines(10, 10);
        lines.box.Line(c.x1, c.y1, c.x2, c.y2, kBlack);
        EXPECT_EQ(lines.box.image().pixel(c.x1, c.y1), qRgb(0, 0, 0)) << c.x1 << "," << c.y1;
        EXPECT_EQ(lines.box.image().pixel(c.x2, c.y2), qRgb(255, 255, 255)) << c.x2 << "," << c.y2;
        EXPECT_EQ(lines.inked(), std::max(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1)));
    }
}

TEST(LineDrawing, ClipsAtTheCanvasEdgeLikeTheGridAtRow480AndReadsColoursAsBlueGreenRed) {
    LineBox lines(20, 10);
    lines.box.Line(0, 10, 20, 10, kBlack);   // just below the canvas
    lines.box.Line(-5, 2, 3, 2, 0x0000FFU);  // red, stored as 0x00BBGGRR
    EXPECT_EQ(lines.inked(), 3);
    EXPECT_EQ(lines.box.image().pixel(0, 2), qRgb(255, 0, 0));
}

TEST(PictureBox, ClsFallsBackToItsPictureAndPaintsStretchWithoutSmoothing) {
    Form2Pictures pictures;
    PictureBox box(pictures, QSize(640, 480));
    QImage background(640, 480, QImage::Format_RGB32);
    background.fill(qRgb(10, 20, 30));
    box.setPicture(background);
    box.PaintPicture(Form2::Picture2(3), 0, 0, 80, 20);
    box.Cls();
    EXPECT_EQ(box.image().pixel(5, 5), qRgb(10, 20, 30));

    // A 39 x 39 tile face stretched into a 40 x 40 cell covers it exactly, edge pixels included.
    box.PaintPicture(Form2::Picture1(0), 40, 40, 40, 40);
    const QImage& face = pictures.picture(Form2::Picture1(0));
    EXPECT_EQ(box.image().pixel(40, 40), face.pixel(0, 0));
    EXPECT_EQ(box.image().pixel(79, 79), face.pixel(38, 38));
    EXPECT_EQ(box.image().pixel(80, 80), qRgb(10, 20, 30));

    // The time bar shifted left shows only its first pixels.
    PictureBox bar(pictures, QSize(450, 10));
    bar.setBackColor(Qt::black);
    bar.Cls();
    bar.PaintPicture(Form2::Picture4, 3 * 11 - 450, 0, 450, 10);
    EXPECT_NE(bar.image().pixel(32, 5), qRgb(0, 0, 0));
    EXPECT_EQ(bar.image().pixel(33, 5), qRgb(0, 0, 0));
}

TEST(PictureBox, LinkPiecesArePaintedInTheLinkColour) {
    Form2Pictures pictures;
    PictureBox box(pictures, QSize(640, 480));
    box.Cls();
    box.PaintPicture(Form2::Picture2(0), 100, 100, 25, 10);
    EXPECT_EQ(box.image().pixel(100, 100), qRgb(116, 58, 249));
    EXPECT_EQ(box.image().pixel(124, 109), qRgb(116, 58, 249));
}

TEST(IntervalTimer, EnablingStartsAndAZeroIntervalNeverFires) {
    IntervalTimer timer(0);
    int ticks = 0;
    QObject::connect(&timer, &IntervalTimer::timeout, [&ticks] { ++ticks; });
    timer.setEnabled(true);
    QCoreApplication::processEvents();
    QThread::msleep(20);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
    timer.setInterval(5);
    QThread::msleep(30);
    QCoreApplication::processEvents();
    EXPECT_GE(ticks, 1);
    timer.setEnabled(false);
    const int stopped = ticks;
    QThread::msleep(30);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, stopped);
}

TEST(AppFile, OneSeparatorWhateverTheFolderEndsWith) {
    EXPECT_EQ(appFile("/opt/q", "help.html"), "/opt/q/help.html");
    EXPECT_EQ(appFile("/opt/q/", "help.html"), "/opt/q/help.html");
    EXPECT_EQ(appFile("/opt/q\\", "\\hit.wav"), "/opt/q/hit.wav");
    EXPECT_EQ(appFile("/opt/q", "/hit.wav"), "/opt/q/hit.wav");
}

}  // namespace
}  // namespace quorvane::ui
