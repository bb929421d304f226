// SPDX-License-Identifier: MIT
// The drawing kit every picture is made with: colours and the frame's palette, the fonts, text,
// emoji glyphs, and the canvas that draws one description at 1x or at 2x.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>

#include "assets.h"

namespace quorvane::assetgen {

// ---------------------------------------------------------------------------------------------
// Colours

QColor rgb(std::uint32_t value);
QColor mix(const QColor& a, const QColor& b, double t);

// Frame palette: a deep leaf-green band with a citrus accent line, a pale body.
inline const QColor kBandTop = rgb(0x2f8271);
inline const QColor kBandBottom = rgb(0x1a5045);
inline const QColor kOutline = rgb(0x0e2f29);
inline const QColor kAccent = rgb(0xf2a33a);
inline const QColor kBody = rgb(quorvane::kFrameBodyRgb);
inline const QColor kSide = rgb(0x1f5d50);
inline const QColor kBannerRed = rgb(0xe01b1b);
inline const QColor kInk = rgb(0x1c3b35);

// ---------------------------------------------------------------------------------------------
// Fonts and text

// The families of the three fonts, all from Debian packages; loadFonts() fills them in.
struct Fonts {
    QString emoji;
    QString cjk;
    QString cjkTaiwan;  // the same Song with the character shapes taught in Taiwan
    QString latin;
};
extern Fonts gFonts;

void loadFonts();

QFont pixelFont(const QString& family, int pixels, bool bold = false);

// Paints text centred in box by its ink, optionally thickened by stroking its outline.
void drawCentredText(QPainter& p, const QFont& font, const QString& text, const QRectF& box,
                     const QColor& colour, double stroke = 0.0, double letterSpacing = 0.0);

// ---------------------------------------------------------------------------------------------
// Emoji glyphs

// Renders one emoji sequence at the font's own bitmap size and crops it to its ink.
QImage renderEmoji(const QString& text);

// Fits a glyph into a box of box 1x pixels and centres it on a 1x point, on a painter scaled by
// s (or not scaled at all). At 2x the glyph covers exactly the pixels that the 1x glyph covers,
// twice over, resampled from its large bitmap straight to the device's pixels.
void drawGlyph(QPainter& p, const QImage& glyph, int box, const QPointF& centre, int s);

// ---------------------------------------------------------------------------------------------
// Drawing at a scale

// The position, in 1x rows, of the middle of row y of a picture drawn at scale s; at 1 it is y.
// Row-by-row descriptions are evaluated there, so each pair of 2x rows averages to its 1x row.
double rowAt(int y, int s);

// Fills one row of the device (not of the scaled drawing) with a colour.
void fillDeviceRow(QPainter& p, int y, int width, const QColor& colour);

// A picture of width x height 1x pixels drawn at scale s: the image has s times the pixels, and
// its painter is scaled by s, so that the drawing is given in 1x pixels at every scale.
class Canvas {
  public:
    Canvas(int width, int height, int s, QImage::Format format = QImage::Format_RGB32,
           const QColor& background = QColor());
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return painter_; }

    // Ends the drawing and gives the picture.
    QImage finish();
    // Ends the drawing and saves the picture as rel's twin at the canvas's scale.
    QImage save(const QString& rel);

  private:
    QImage image_;
    QPainter painter_;
    int scale_;
};

}  // namespace quorvane::assetgen
