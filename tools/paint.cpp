// SPDX-License-Identifier: MIT
#include "paint.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "output.h"

namespace quorvane::assetgen {

Fonts gFonts;

QColor rgb(std::uint32_t value) {
    return QColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

namespace {

QString loadFont(const QString& file, const QString& wanted) {
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) {
        fail(
            QStringLiteral("cannot load the font %1 (is its Debian package installed?)").arg(file));
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    for (const QString& family : families) {
        if (family.contains(wanted)) {
            return family;
        }
    }
    fail(QStringLiteral("the font %1 has no family named like %2").arg(file, wanted));
}

QImage fitInto(const QImage& glyph, int box) {
    return glyph.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void drawCentred(QPainter& p, const QImage& image, const QPointF& centre) {
    p.drawImage(QPointF(std::round(centre.x() - image.width() / 2.0),
                        std::round(centre.y() - image.height() / 2.0)),
                image);
}

}  // namespace

void loadFonts() {
    gFonts.emoji = loadFont(QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"),
                            QStringLiteral("Noto Color Emoji"));
    gFonts.cjk = loadFont(QStringLiteral("/usr/share/fonts/truetype/arphic/uming.ttc"),
                          QStringLiteral("UMing CN"));
    gFonts.cjkTaiwan = loadFont(QStringLiteral("/usr/share/fonts/truetype/arphic/uming.ttc"),
                                QStringLiteral("UMing TW"));
    gFonts.latin = loadFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
                            QStringLiteral("DejaVu Sans"));
}

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawCentredText(QPainter& p, const QFont& font, const QString& text, const QRectF& box,
                     const QColor& colour, double stroke, double letterSpacing) {
    QFont f = font;
    if (letterSpacing != 0.0) {
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF ink = path.boundingRect();
    // A word that would touch the edge of its box is a word the box has no room for.
    if (ink.width() + stroke > box.width() - 4.0 || ink.height() + stroke > box.height() - 2.0) {
        fail(QStringLiteral("\"%1\" does not fit in %2 x %3")
                 .arg(text)
                 .arg(box.width())
                 .arg(box.height()));
    }
    path.translate(box.center() - ink.center());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(path, colour);
    if (stroke > 0.0) {
        p.strokePath(path, QPen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.restore();
}

QImage renderEmoji(const QString& text) {
    constexpr int kCanvas = 220;
    QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setFont(pixelFont(gFonts.emoji, 109));
        p.drawText(QRect(0, 0, kCanvas, kCanvas), Qt::AlignCenter, text);
    }
    int left = kCanvas, top = kCanvas, right = -1, bottom = -1;
    for (int y = 0; y < kCanvas; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < kCanvas; ++x) {
            if (qAlpha(line[x]) > 16) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        fail(QStringLiteral("the emoji font drew nothing for %1").arg(text));
    }
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    // A sequence the font does not know falls apart into several glyphs side by side.
    if (width > 150 || height > 150) {
        fail(QStringLiteral("the emoji font has no single glyph for %1").arg(text));
    }
    return canvas.copy(left, top, width, height);
}

void drawGlyph(QPainter& p, const QImage& glyph, int box, const QPointF& centre, int s) {
    const QImage fitted = fitInto(glyph, box);
    if (s == 1) {
        drawCentred(p, fitted, centre);
        return;
    }
    const QPointF topLeft(std::round(centre.x() - fitted.width() / 2.0),
                          std::round(centre.y() - fitted.height() / 2.0));
    p.save();
    p.resetTransform();
    p.drawImage(topLeft * s,
                glyph.scaled(fitted.size() * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.restore();
}

double rowAt(int y, int s) {
    return (y + 0.5) / s - 0.5;
}

void fillDeviceRow(QPainter& p, int y, int width, const QColor& colour) {
    p.save();
    p.resetTransform();
    p.fillRect(0, y, width, 1, colour);
    p.restore();
}

Canvas::Canvas(int width, int height, int s, QImage::Format format, const QColor& background)
    : image_(width * s, height * s, format), scale_(s) {
    if (background.isValid()) {
        image_.fill(background);
    }
    painter_.begin(&image_);
    if (s != 1) {
        painter_.scale(s, s);
    }
}

QImage Canvas::finish() {
    if (painter_.isActive()) {
        painter_.end();
    }
    return image_;
}

QImage Canvas::save(const QString& rel) {
    const QImage image = finish();
    savePng(image, atScale(rel, scale_));
    return image;
}

}  // namespace quorvane::assetgen
