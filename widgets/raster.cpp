// SPDX-License-Identifier: MIT
#include "widgets/raster.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qm::raster {

namespace {

// Calls plot(x, y, i) for the i-th pixel of the line from a towards b, b itself left out:
// Bresenham along the major axis.
template <typename Plot>
void WalkLine(QPoint a, QPoint b, Plot plot) {
    int x = a.x();
    int y = a.y();
    const int dx = std::abs(b.x() - x);
    const int dy = std::abs(b.y() - y);
    const int sx = b.x() > x ? 1 : -1;
    const int sy = b.y() > y ? 1 : -1;
    const int steps = std::max(dx, dy);
    int err = (dx >= dy ? dx : dy) / 2;
    for (int i = 0; i < steps; ++i) {
        plot(x, y, i);
        if (dx >= dy) {
            x += sx;
            err -= dy;
            if (err < 0) {
                y += sy;
                err += dx;
            }
        } else {
            y += sy;
            err -= dx;
            if (err < 0) {
                x += sx;
                err += dy;
            }
        }
    }
}

}  // namespace

QRegion PolygonRegion(const std::vector<QPoint>& points) {
    QRegion region;
    const auto n = points.size();
    if (n < 3) {
        return region;
    }
    int top = points[0].y();
    int bottom = top;
    for (const QPoint& p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    std::vector<double> xs;
    for (int y = top; y < bottom; ++y) {
        xs.clear();
        for (std::size_t i = 0; i < n; ++i) {
            QPoint a = points[i];
            QPoint b = points[(i + 1) % n];
            if (a.y() == b.y()) {
                continue;
            }
            if (a.y() > b.y()) {
                std::swap(a, b);
            }
            // Half-open in y: an edge owns its top row, not its bottom one.
            if (y < a.y() || y >= b.y()) {
                continue;
            }
            xs.push_back(a.x() + static_cast<double>(y - a.y()) * (b.x() - a.x()) /
                                     static_cast<double>(b.y() - a.y()));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            // Left edges inclusive, right edges exclusive.
            int x0 = static_cast<int>(std::ceil(xs[i]));
            int x1 = static_cast<int>(std::ceil(xs[i + 1]));
            if (x1 > x0) {
                region += QRect(x0, y, x1 - x0, 1);
            }
        }
    }
    return region;
}

QRegion EllipseRegion(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
        return {};
    }
    return QRegion(QRect(left, top, right - left, bottom - top), QRegion::Ellipse);
}

// The bits are taken once: a QPainter opened on the same image later writes to the same memory.
Canvas::Canvas(QImage& image)
    : bits_(image.bits()),
      bytesPerLine_(image.bytesPerLine()),
      ratio_(image.devicePixelRatio()),
      unit_(image.devicePixelRatio() == 1.0),
      deviceW_(image.width()),
      deviceH_(image.height()),
      w_(unit_ ? image.width() : qRound(image.width() / ratio_)),
      h_(unit_ ? image.height() : qRound(image.height() / ratio_)) {}

void Canvas::SetClip(const QRegion& region) {
    clip_.assign(static_cast<std::size_t>(std::max(h_, 0)), {0, 0});
    for (const QRect& r : region) {
        for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), h_ - 1); ++y) {
            auto& span = clip_[static_cast<std::size_t>(y)];
            if (span.first == span.second) {
                span = {r.left(), r.right() + 1};
            } else {
                span.first = std::min(span.first, r.left());
                span.second = std::max(span.second, r.right() + 1);
            }
        }
    }
}

bool Canvas::Visible(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) {
        return false;
    }
    if (clip_.empty()) {
        return true;
    }
    const auto& span = clip_[static_cast<std::size_t>(y)];
    return x >= span.first && x < span.second;
}

void Canvas::FillSpan(int y, int x0, int x1, QRgb color) {
    const int left = std::max(Device(x0), 0);
    const int right = std::min(Device(x1), deviceW_);
    const int bottom = std::min(Device(y + 1), deviceH_);
    for (int row = std::max(Device(y), 0); row < bottom; ++row) {
        QRgb* line = Row(row);
        std::fill(line + left, line + std::max(right, left), color);
    }
}

void Canvas::FillRect(int left, int top, int right, int bottom, QRgb color) {
    top = std::max(top, 0);
    bottom = std::min(bottom, h_);
    for (int y = top; y < bottom; ++y) {
        int x0 = std::max(left, 0);
        int x1 = std::min(right, w_);
        if (!clip_.empty()) {
            const auto& span = clip_[static_cast<std::size_t>(y)];
            x0 = std::max(x0, span.first);
            x1 = std::min(x1, span.second);
        }
        if (x1 <= x0) {
            continue;
        }
        if (unit_) {
            QRgb* row = Row(y);
            std::fill(row + x0, row + x1, color);
        } else {
            FillSpan(y, x0, x1, color);
        }
    }
}

void Canvas::SetPixel(int x, int y, QRgb color) {
    if (!Visible(x, y)) {
        return;
    }
    if (unit_) {
        Row(y)[x] = color;
    } else {
        FillSpan(y, x, x + 1, color);
    }
}

void Canvas::Line(QPoint a, QPoint b, QRgb color, Pen pen) {
    WalkLine(a, b, [&](int x, int y, int i) {
        if (pen == Pen::Solid || (i % 6) < 3) {
            SetPixel(x, y, color);
        }
    });
}

void DrawLine(QImage& image, QPoint from, QPoint to, QRgb color) {
    const bool direct = image.depth() == 32;
    const QColor qcolor = QColor::fromRgba(color);
    WalkLine(from, to, [&](int x, int y, int) {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
            return;
        }
        if (direct) {
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
        } else {
            image.setPixelColor(x, y, qcolor);
        }
    });
}

void Canvas::FocusRect(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    auto flip = [this](int x, int y) {
        if (!Visible(x, y)) {
            return;
        }
        const int right = std::min(Device(x + 1), deviceW_);
        const int bottom = std::min(Device(y + 1), deviceH_);
        for (int row = Device(y); row < bottom; ++row) {
            for (int column = Device(x); column < right; ++column) {
                QRgb& p = Row(row)[column];
                p = (p & 0xFF000000u) | (~p & 0x00FFFFFFu);
            }
        }
    };
    for (int x = left; x < right; ++x) {
        if (((x - left) & 1) == 0) {
            flip(x, top);
        }
        if (bottom - 1 > top && ((x - left + bottom - 1 - top) & 1) == 0) {
            flip(x, bottom - 1);
        }
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        if (((y - top) & 1) == 0) {
            flip(left, y);
        }
        if (right - 1 > left && ((right - 1 - left + y - top) & 1) == 0) {
            flip(right - 1, y);
        }
    }
}

}  // namespace qm::raster
