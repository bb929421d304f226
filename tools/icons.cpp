// SPDX-License-Identifier: MIT
// The application icon at every size, the icon painted on the frame, and the two hand pointers.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>

#include "assets2x.h"
#include "makers.h"
#include "output.h"
#include "paint.h"

namespace quorvane::assetgen {

namespace {

// The application icon of n x n, drawn at scale s: the n-pixel design with s times the pixels.
QImage appIcon(int n, const QImage& cherries, int s) {
    Canvas canvas(n, n, s, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    QPainter& p = canvas.painter();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const double unit = n / 16.0;
    QLinearGradient band(0, 0, 0, n);
    band.setColorAt(0.0, kBandTop);
    band.setColorAt(1.0, kBandBottom);
    p.setPen(n >= 24 ? QPen(kOutline, std::max(1.0, n / 48.0)) : Qt::NoPen);
    p.setBrush(band);
    const double inset = n >= 24 ? 0.5 * unit : 0.0;
    p.drawRoundedRect(QRectF(inset, inset, n - 2 * inset, n - 2 * inset), 3.2 * unit, 3.2 * unit);
    if (n <= 24) {
        drawGlyph(p, cherries, static_cast<int>(n * 0.86), QPointF(n / 2.0, n / 2.0), s);
    } else if (n <= 32) {
        const QRectF tile(n * 0.14, n * 0.14, n * 0.72, n * 0.72);
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(rgb(0xfff6e0));
        p.drawRoundedRect(tile, n * 0.08, n * 0.08);
        drawGlyph(p, cherries, static_cast<int>(n * 0.6), tile.center(), s);
    } else {
        // Two matching tiles joined by the purple link: the game in one picture.
        const double t = n * 0.36;
        const QRectF left(n * 0.1, n * 0.5, t, t);
        const QRectF right(n * 0.9 - t, n * 0.5, t, t);
        QPainterPath link;
        link.moveTo(left.center().x(), left.top());
        link.lineTo(left.center().x(), n * 0.24);
        link.lineTo(right.center().x(), n * 0.24);
        link.lineTo(right.center().x(), right.top());
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(rgb(quorvane::kLinkRgb), n * 0.07, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPath(link);
        for (const QRectF& tile : {left, right}) {
            p.setPen(QPen(kOutline, std::max(1.0, n / 64.0)));
            p.setBrush(rgb(0xfff6e0));
            p.drawRoundedRect(tile, n * 0.05, n * 0.05);
            drawGlyph(p, cherries, static_cast<int>(t * 0.82), tile.center(), s);
        }
    }
    return canvas.finish();
}

// A 32 x 32 pointer from an emoji hand with a dark outline, placed so that the tip of the
// pointing finger lands on the hot spot; at scale s, s times as large with the hot spot, the
// hand's height and the outline's width all s times as large.
QImage handCursor(const QString& emoji, int hotX, int hotY, int height, int s) {
    const QImage large = renderEmoji(emoji);
    QImage glyph = large.scaledToHeight(height, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Fingertip: the middle of the topmost row with solid ink.
    int tipX = -1;
    int tipY = -1;
    for (int y = 0; y < glyph.height() && tipY < 0; ++y) {
        int sum = 0, count = 0;
        for (int x = 0; x < glyph.width(); ++x) {
            if (qAlpha(glyph.pixel(x, y)) >= 128) {
                sum += x;
                ++count;
            }
        }
        if (count > 0) {
            tipX = sum / count;
            tipY = y;
        }
    }
    // At 2x the hand covers exactly the pixels of the 1x hand, twice over, so the fingertip is
    // on the doubled hot spot.
    const int dx = (hotX - tipX) * s;
    const int dy = (hotY - tipY) * s;
    const int size = 32 * s;
    if (s != 1) {
        glyph = large.scaled(glyph.size() * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    if (dx - s < 0 || dy < 0 || dx + glyph.width() + s > size || dy + glyph.height() + s > size) {
        fail(QStringLiteral(
                 "the pointer %1 (%2 x %3, fingertip at %4, %5) does not fit round its hot spot")
                 .arg(emoji)
                 .arg(glyph.width())
                 .arg(glyph.height())
                 .arg(tipX)
                 .arg(tipY));
    }
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    // Outline: the glyph's shape, dilated by one 1x pixel, in a dark brown.
    QImage shape(size, size, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.drawImage(dx, dy, glyph);
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int alpha = 0;
            for (int oy = -s; oy <= s; ++oy) {
                for (int ox = -s; ox <= s; ++ox) {
                    const int sx = x + ox, sy = y + oy;
                    if (sx >= 0 && sy >= 0 && sx < size && sy < size) {
                        alpha = std::max(alpha, qAlpha(shape.pixel(sx, sy)));
                    }
                }
            }
            if (alpha > 0) {
                img.setPixel(x, y, qPremultiply(qRgba(0x3b, 0x25, 0x12, alpha)));
            }
        }
    }
    QPainter p(&img);
    p.drawImage(0, 0, shape);
    p.end();
    return img;
}

}  // namespace

void makeIcons(const QImage& skin, int s) {
    const QImage cherries = renderEmoji(QStringLiteral("\U0001F352"));
    for (int n : quorvane::kIconSizes) {
        // At 2x only the small designs get a twin; for the others the next size up is the same
        // design, and a scaled display picks it.
        if (s != 1 && std::find(quorvane::kIconSizes2x.begin(), quorvane::kIconSizes2x.end(), n) ==
                          quorvane::kIconSizes2x.end()) {
            continue;
        }
        const QImage icon = appIcon(n, cherries, s);
        if (s == 1) {
            savePng(icon, QStringLiteral("icons/hicolor/%1x%1/apps/quorvane.png").arg(n), false);
        }
        savePng(icon, atScale(QStringLiteral("icons/quorvane_%1.png").arg(n), s));
    }
    // The frame's icon is painted onto the title band: give it the band as its background, so it
    // looks the same whether the window blends it or copies it.
    QImage ico = skin.copy(7 * s, 5 * s, 16 * s, 16 * s)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&ico);
    drawGlyph(p, cherries, 16, QPointF(8, 8), s);
    p.end();
    savePng(ico.convertToFormat(QImage::Format_RGB32),
            atScale(QStringLiteral("frame/imico.png"), s));
}

void makeCursors(int s) {
    savePng(handCursor(QStringLiteral("\U0001F446"), quorvane::kTileCursorHotX,
                       quorvane::kTileCursorHotY, 29, s),
            atScale(QStringLiteral("board/tile_cursor.png"), s));
    savePng(handCursor(QStringLiteral("\u261D\uFE0F"), quorvane::kButtonCursorHotX,
                       quorvane::kButtonCursorHotY, 29, s),
            atScale(QStringLiteral("frame/button_cursor.png"), s));
}

}  // namespace quorvane::assetgen
