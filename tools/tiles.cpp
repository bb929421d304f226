// SPDX-License-Identifier: MIT
// The tile faces: each kind's fruit on a tinted, bevelled tile, and its selected look.
#include <QLinearGradient>
#include <QPointF>
#include <QRect>

#include "makers.h"
#include "output.h"
#include "paint.h"

namespace quorvane::assetgen {

// The tints avoid the fruit's own colour; the greens get the warmest and most different faces so
// that they are told apart by the tile as well as by the shape.
const Fruit kFruits[quorvane::kTileKinds] = {
    {"\U0001F34E", "red apple", 0xcfeecf},
    {"\U0001F34F", "green apple", 0xf9c9d6},
    {"\U0001F350", "pear", 0xd3c8f5},
    {"\U0001F34A", "tangerine", 0xc4e2fb},
    {"\U0001F34B", "lemon", 0xc9cdf6},
    {"\U0001F34C", "banana", 0xbfe8e2},
    {"\U0001F349", "watermelon", 0xfbefb6},
    {"\U0001F347", "grapes", 0xe9f4c2},
    {"\U0001F353", "strawberry", 0xc2eef2},
    {"\U0001FAD0", "blueberries", 0xfddab9},
    {"\U0001F348", "melon", 0xe6b8f2},
    {"\U0001F352", "cherries", 0xf4eac2},
    {"\U0001F351", "peach", 0xc7e4f2},
    {"\U0001F96D", "mango", 0xe3d3f3},
    {"\U0001F34D", "pineapple", 0xeccdea},
    {"\U0001F965", "coconut", 0xd2ecc4},
    {"\U0001F95D", "kiwi", 0xfdd3a8},
    {"\U0001F345", "tomato", 0xc5ead6},
    {"\U0001FAD2", "olive", 0xf8dd9a},
    {"\U0001F951", "avocado", 0xbcdcfb},
    {"\U0001F34B\u200D\U0001F7E9", "lime", 0xfac0b4},
    {"\U0001F330", "chestnut", 0xd3eef6},
    {"\U0001F346", "eggplant", 0xf4efaf},
    {"\U0001F336\uFE0F", "hot pepper", 0xcdeee5},
    {"\U0001F95C", "peanuts", 0xd3daf6},
};

namespace {

constexpr int kFace = quorvane::kTileFaceSize;

QImage tileFace(const QImage& glyph, const QColor& tint, bool selected, int s) {
    Canvas canvas(kFace, kFace, s);
    QPainter& p = canvas.painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect all(0, 0, kFace, kFace);
    if (!selected) {
        // A raised tile: dark edge, light bevel top-left, shaded bevel bottom-right.
        p.fillRect(all, rgb(0x3a3631));
        const QColor light = mix(tint, Qt::white, 0.65);
        const QColor shade = mix(tint, Qt::black, 0.35);
        p.fillRect(1, 1, kFace - 2, kFace - 2, shade);
        p.fillRect(1, 1, kFace - 3, kFace - 3, light);
        p.fillRect(3, 3, kFace - 6, kFace - 6, shade);
        QLinearGradient face(0, 3, 0, kFace - 4);
        face.setColorAt(0.0, mix(tint, Qt::white, 0.35));
        face.setColorAt(1.0, tint);
        p.fillRect(3, 3, kFace - 5, kFace - 5, face);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        drawGlyph(p, glyph, 29, QPointF(19.5, 19.5), s);
    } else {
        // Selected: the tile turns dark and wears a thick bright-yellow frame; at a glance the
        // picked tile is the one dark square on a board of pale ones.
        p.fillRect(all, rgb(0x111111));
        p.fillRect(1, 1, kFace - 2, kFace - 2, rgb(0xffd400));
        p.fillRect(4, 4, kFace - 8, kFace - 8, rgb(0x9c2a00));
        QLinearGradient face(0, 5, 0, kFace - 6);
        face.setColorAt(0.0, rgb(0x33415f));
        face.setColorAt(1.0, rgb(0x161d30));
        p.fillRect(5, 5, kFace - 10, kFace - 10, face);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        drawGlyph(p, glyph, 27, QPointF(19.5, 19.5), s);
    }
    return canvas.finish();
}

}  // namespace

std::vector<QImage> renderFruitGlyphs() {
    std::vector<QImage> glyphs;
    for (const Fruit& fruit : kFruits) {
        glyphs.push_back(renderEmoji(QString::fromUtf8(fruit.emoji)));
    }
    return glyphs;
}

std::vector<QImage> makeTileFaces(const std::vector<QImage>& glyphs, int s) {
    std::vector<QImage> faces(2 * quorvane::kTileKinds);
    for (int k = 0; k < quorvane::kTileKinds; ++k) {
        faces[k] = tileFace(glyphs[k], rgb(kFruits[k].tint), false, s);
        faces[k + quorvane::kTileKinds] = tileFace(glyphs[k], rgb(kFruits[k].tint), true, s);
    }
    for (int i = 0; i < 2 * quorvane::kTileKinds; ++i) {
        savePng(
            faces[i],
            atScale(QStringLiteral("form2/picture1_%1.png").arg(i, 2, 10, QLatin1Char('0')), s));
    }
    return faces;
}

}  // namespace quorvane::assetgen
