// SPDX-License-Identifier: MIT
// The window skin and the hover and pressed looks of its caption images.
//
// The window copies eight pieces of the skin: the top and bottom edges (skin columns 28..35,
// 40 rows) are stretched sideways over the full width, the left and right edges (skin rows
// around 59..61, 13 columns) are stretched over the full height, and four corners are copied
// 1:1 (top-left 30x40, bottom-left 30x40, top-right 111x29, bottom-right 111x35). So the skin is
// laid out as a small copy of the whole frame: every row of the edge strips is uniform along
// the stretch, the title band is 29 rows deep (the top-right corner ends there, and below it the
// right edge shows), the bottom band starts at skin row 194 (window row 545, just under the
// board panel), and the side borders are 4 pixels, inside the 13 columns the edges copy.
#include <QRectF>

#include <algorithm>

#include "makers.h"
#include "output.h"
#include "paint.h"

namespace quorvane::assetgen {

namespace {

constexpr int kSkinW = 271;
constexpr int kSkinH = 218;
constexpr int kBandRows = 29;        // rows 0..28, row 28 the accent line
constexpr int kBottomBandTop = 194;  // accent line; dark band below
constexpr int kBorder = 4;           // visible side border
constexpr int kMinX = 229;           // minimise image under Immin (window x 717)
constexpr int kCloseX = 250;         // close image under Imclose (window x 738)
constexpr int kCaptionButtonY = 5;

// The band's colour at a row; fractional rows are the places between rows the 2x skin draws.
QColor bandColour(double row) {
    return mix(kBandTop, kBandBottom, std::clamp(row / 27.0, 0.0, 1.0));
}

enum class Look { Normal, Hover, Pressed };

void drawCaptionButton(QPainter& p, int x, int y, bool close, Look look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(x + 0.5, y + 0.5, 15, 15);
    QColor fill;
    QColor edge;
    switch (look) {
        case Look::Normal:
            fill = QColor(255, 255, 255, 28);
            edge = QColor(255, 255, 255, 90);
            break;
        case Look::Hover:
            fill = close ? rgb(0xe0483c) : rgb(0x3fae98);
            edge = QColor(255, 255, 255, 200);
            break;
        case Look::Pressed:
            fill = close ? rgb(0x9e2219) : rgb(0x0f3a32);
            edge = QColor(0, 0, 0, 160);
            break;
    }
    p.setPen(QPen(edge, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    const double shift = look == Look::Pressed ? 1.0 : 0.0;
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::FlatCap));
    if (close) {
        p.drawLine(QPointF(x + 4.5 + shift, y + 4.5 + shift),
                   QPointF(x + 11.5 + shift, y + 11.5 + shift));
        p.drawLine(QPointF(x + 11.5 + shift, y + 4.5 + shift),
                   QPointF(x + 4.5 + shift, y + 11.5 + shift));
    } else {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(x + 4 + shift, y + 10 + shift, 8, 2), Qt::white);
    }
    p.restore();
}

}  // namespace

QImage makeSkin(int s) {
    Canvas canvas(kSkinW, kSkinH, s, QImage::Format_RGB32, kBody);
    QPainter& p = canvas.painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Title band with a highlight row under the outline and the accent line at its foot.
    for (int y = 0; y < (kBandRows - 1) * s; ++y) {
        fillDeviceRow(p, y, kSkinW * s, bandColour(rowAt(y, s)));
    }
    for (int y = s; y < 2 * s; ++y) {
        fillDeviceRow(p, y, kSkinW * s, mix(bandColour(rowAt(y, s)), Qt::white, 0.25));
    }
    p.fillRect(0, kBandRows - 1, kSkinW, 1, kAccent);
    // Bottom band, the mirror of the title band.
    p.fillRect(0, kBottomBandTop, kSkinW, 1, kAccent);
    for (int y = (kBottomBandTop + 1) * s; y < kSkinH * s; ++y) {
        fillDeviceRow(p, y, kSkinW * s, bandColour(kSkinH - 1 - rowAt(y, s) + 4));
    }
    // Side borders.
    p.fillRect(0, kBandRows, kBorder, kBottomBandTop - kBandRows, kSide);
    p.fillRect(kSkinW - kBorder, kBandRows, kBorder, kBottomBandTop - kBandRows, kSide);
    p.fillRect(kBorder - 1, kBandRows, 1, kBottomBandTop - kBandRows, mix(kSide, kBody, 0.5));
    p.fillRect(kSkinW - kBorder, kBandRows, 1, kBottomBandTop - kBandRows, mix(kSide, kBody, 0.5));
    // Outline.
    p.fillRect(0, 0, kSkinW, 1, kOutline);
    p.fillRect(0, kSkinH - 1, kSkinW, 1, kOutline);
    p.fillRect(0, 0, 1, kSkinH, kOutline);
    p.fillRect(kSkinW - 1, 0, 1, kSkinH, kOutline);
    // Normal looks of the minimise and close images.
    drawCaptionButton(p, kMinX, kCaptionButtonY, false, Look::Normal);
    drawCaptionButton(p, kCloseX, kCaptionButtonY, true, Look::Normal);
    return canvas.save(QStringLiteral("frame/pmain.png"));
}

void makeCaptionButtonLooks(const QImage& skin, int s) {
    struct Item {
        const char* file;
        int x;
        bool close;
        Look look;
    };
    const Item items[] = {
        {"frame/immin1.png", kMinX, false, Look::Hover},
        {"frame/immin2.png", kMinX, false, Look::Pressed},
        {"frame/imclose1.png", kCloseX, true, Look::Hover},
        {"frame/imclose2.png", kCloseX, true, Look::Pressed},
    };
    for (const Item& item : items) {
        // Start from the band under the image, so the look sits in the frame seamlessly.
        QImage img = skin.copy(item.x * s, kCaptionButtonY * s, 16 * s, 16 * s);
        QPainter p(&img);
        // Clear the normal look first: the hover and pressed looks replace it.
        for (int y = 0; y < 16 * s; ++y) {
            p.fillRect(0, y, 16 * s, 1, bandColour(kCaptionButtonY + rowAt(y, s)));
        }
        if (s != 1) {
            p.scale(s, s);
        }
        drawCaptionButton(p, 0, 0, item.close, item.look);
        p.end();
        savePng(img, atScale(QString::fromLatin1(item.file), s));
    }
}

}  // namespace quorvane::assetgen
