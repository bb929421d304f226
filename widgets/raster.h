// SPDX-License-Identifier: MIT
// Pixel-exact drawing primitives for the button's off-screen buffer.
//
// QPainter's lines and polygon regions differ from GDI's in the end points and edge pixels: GDI
// leaves out a line's end point in every direction and fills a polygon by the top-left rule. The
// outline of the button must match those rules to the pixel. These routines write straight into a
// QImage (Format_RGB32), at its device pixel ratio, and honour an optional convex clip (one span
// per row).
#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <vector>

namespace qm::raster {

// The pixels of a polygon by the top-left rule: pixel (x, y) belongs to it when the point (x, y)
// lies inside, or on a left or top edge (even-odd fill). A rectangle polygon (0,0)-(w,h) thus
// yields exactly w x h pixels.
QRegion PolygonRegion(const std::vector<QPoint>& points);

// An elliptic region inscribed in the box left..right-1 by top..bottom-1.
QRegion EllipseRegion(int left, int top, int right, int bottom);

enum class Pen { Solid, Dot };

// A 1-pixel line in a QImage from `from` towards `to` by Bresenham's rule, leaving out the end
// point in every direction as GDI's LineTo does; pixels outside the image are skipped. Drawing
// a polyline point to point thus sets every corner exactly once. 32-bit images are written
// directly, other formats through QImage::setPixelColor (so not indexed ones).
void DrawLine(QImage& image, QPoint from, QPoint to, QRgb color);

// Draws in logical pixels into an image of any device pixel ratio r: logical pixel x covers the
// device columns qRound(x r) to qRound((x + 1) r) - 1 (the rows likewise), the rounding Qt uses
// for a widget's mask. At r = 1 it is the plain pixel; at an integer r every logical pixel is an
// exact r x r block, so the geometry is the 1x geometry scaled.
class Canvas {
  public:
    explicit Canvas(QImage& image);

    // Restricts fills and lines to a region (logical); only its outer span per row is used, which
    // is exact for the convex (elliptic) clips the button needs.
    void SetClip(const QRegion& region);
    void ClearClip() { clip_.clear(); }

    // Fills left..right-1 by top..bottom-1, like FillRect.
    void FillRect(int left, int top, int right, int bottom, QRgb color);
    void SetPixel(int x, int y, QRgb color);
    // A line from a to b that leaves out b, as LineTo does. Dot pens draw 3 pixels on, 3 off.
    void Line(QPoint a, QPoint b, QRgb color, Pen pen = Pen::Solid);
    // The dotted focus rectangle: every other pixel of the frame left..right-1 by top..bottom-1
    // inverted.
    void FocusRect(int left, int top, int right, int bottom);

    // The first device column (or row) of logical column (or row) v.
    int Device(int v) const { return unit_ ? v : qRound(v * ratio_); }

  private:
    bool Visible(int x, int y) const;
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }
    // Fills the device pixels of logical columns x0..x1-1 in logical row y.
    void FillSpan(int y, int x0, int x1, QRgb color);

    uchar* bits_;
    qsizetype bytesPerLine_;
    qreal ratio_;
    bool unit_;  // ratio 1: logical and device pixels are the same
    int deviceW_;
    int deviceH_;
    int w_;  // logical size
    int h_;
    std::vector<std::pair<int, int>> clip_;  // per logical row [x0, x1); empty means no clip
};

}  // namespace qm::raster
