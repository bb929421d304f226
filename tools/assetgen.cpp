// quorvane-assetgen: draws every picture and synthesises every sound the game carries.
//
// Usage: quorvane-assetgen <assets-dir>
//
// Writes the tile faces, link pieces, banners, time bar, board background, window skin and its
// button looks, icons, pointers, the notice text, the resource lists, the four cue sounds, two
// contact sheets and previews of the assembled window frame. Every picture is drawn twice from
// one description: at its own size, and at twice the size for scaled displays (Qt's "@2x" twin,
// e.g. form2/picture1_00@2x.png), where a 1-pixel line becomes 2 pixels at the same place and
// curves, text, gradients and fruit get the finer detail. The only inputs are fonts from
// Debian packages (fonts-noto-color-emoji, fonts-arphic-uming, fonts-dejavu-core), so a fresh
// machine makes the same files; running it twice gives identical bytes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "assets.h"
#include "assets2x.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Output

QString gOutDir;
QStringList gResources;    // paths relative to gOutDir that go into the resource file
QStringList gResources2x;  // the "@2x" twins, which go into a resource file of their own

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "quorvane-assetgen: %s\n", qPrintable(message));
    std::exit(1);
}

QString outPath(const QString& rel) {
    const QString path = gOutDir + QLatin1Char('/') + rel;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        fail(QStringLiteral("cannot create the folder of %1").arg(path));
    }
    return path;
}

void writeBytes(const QString& rel, const QByteArray& bytes) {
    QSaveFile file(outPath(rel));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(QStringLiteral("cannot write %1").arg(rel));
    }
}

void savePng(const QImage& image, const QString& rel, bool resource = true) {
    QImage out = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                         : image.convertToFormat(QImage::Format_RGB32);
    // Fixed density, so that nothing about the machine ends up in the file.
    out.setDotsPerMeterX(3780);
    out.setDotsPerMeterY(3780);
    QSaveFile file(outPath(rel));
    if (!file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1").arg(rel));
    }
    QImageWriter writer(&file, "png");
    writer.setCompression(100);
    if (!writer.write(out) || !file.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(rel, writer.errorString()));
    }
    if (resource) {
        (rel.contains(QLatin1String("@2x.")) ? gResources2x : gResources) << rel;
    }
}

// The name of a picture drawn at scale s: the name itself at 1, Qt's "@2x" twin beside it at 2.
QString atScale(const QString& rel, int s) {
    if (s == 1) {
        return rel;
    }
    QString name = rel;
    return name.insert(rel.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(s));
}

// The position, in 1x rows, of the middle of row y of a picture drawn at scale s; at 1 it is y.
// Row-by-row descriptions are evaluated there, so each pair of 2x rows averages to its 1x row.
double rowAt(int y, int s) {
    return (y + 0.5) / s - 0.5;
}

// Fills one row of the device (not of the scaled drawing) with a colour.
void fillDeviceRow(QPainter& p, int y, int width, const QColor& colour) {
    p.save();
    p.resetTransform();
    p.fillRect(0, y, width, 1, colour);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Colours and small drawing helpers

QColor rgb(std::uint32_t value) {
    return QColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Frame palette: a deep leaf-green band with a citrus accent line, a pale body.
const QColor kBandTop = rgb(0x2f8271);
const QColor kBandBottom = rgb(0x1a5045);
const QColor kOutline = rgb(0x0e2f29);
const QColor kAccent = rgb(0xf2a33a);
const QColor kBody = rgb(quorvane::kFrameBodyRgb);
const QColor kSide = rgb(0x1f5d50);
const QColor kBannerRed = rgb(0xe01b1b);
const QColor kInk = rgb(0x1c3b35);

struct Fonts {
    QString emoji;
    QString cjk;
    QString latin;
};
Fonts gFonts;

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

QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Paints text centred in box by its ink, optionally thickened by stroking its outline.
void drawCentredText(QPainter& p, const QFont& font, const QString& text, const QRectF& box,
                     const QColor& colour, double stroke = 0.0, double letterSpacing = 0.0) {
    QFont f = font;
    if (letterSpacing != 0.0) {
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF ink = path.boundingRect();
    path.translate(box.center() - ink.center());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(path, colour);
    if (stroke > 0.0) {
        p.strokePath(path, QPen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Emoji glyphs

// Renders one emoji sequence at the font's own bitmap size and crops it to its ink.
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

QImage fitInto(const QImage& glyph, int box) {
    return glyph.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void drawCentred(QPainter& p, const QImage& image, const QPointF& centre) {
    p.drawImage(QPointF(std::round(centre.x() - image.width() / 2.0),
                        std::round(centre.y() - image.height() / 2.0)),
                image);
}

// Fits a glyph into a box of box 1x pixels and centres it on a 1x point, on a painter scaled by
// s (or not scaled at all). At 2x the glyph covers exactly the pixels that the 1x glyph covers,
// twice over, resampled from its large bitmap straight to the device's pixels.
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

// ---------------------------------------------------------------------------------------------
// Tile faces

struct Fruit {
    const char* emoji;
    const char* name;
    std::uint32_t tint;  // face colour, chosen to set the fruit off and to keep kinds apart
};

// Kind k is entry k - 1. The tints avoid the fruit's own colour; the greens get the warmest and
// most different faces so that they are told apart by the tile as well as by the shape.
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

constexpr int kFace = quorvane::kTileFaceSize;

QImage tileFace(const QImage& glyph, const QColor& tint, bool selected, int s) {
    QImage img(kFace * s, kFace * s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (s != 1) {
        p.scale(s, s);
    }
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
    return img;
}

// The fifty faces at scale s, saved; index k-1 is kind k normal, k+24 kind k selected.
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

// ---------------------------------------------------------------------------------------------
// Link pieces, time bar, banners, board background

void makeLinkPieces(int s) {
    const QSize sizes[4] = {{10, 25}, {25, 10}, {10, 40}, {40, 10}};
    for (int i = 0; i < 4; ++i) {
        QImage img(sizes[i] * s, QImage::Format_RGB32);
        img.fill(rgb(quorvane::kLinkRgb));
        savePng(img, atScale(QStringLiteral("form2/picture2_%1.png").arg(i), s));
    }
}

QImage makeTimeBar(int s) {
    // The bar slides out to the left as time runs down, so its right end is what stays longest:
    // green on the left, turning amber and red towards the right.
    QImage img(450 * s, 10 * s, QImage::Format_RGB32);
    QPainter p(&img);
    if (s != 1) {
        p.scale(s, s);
    }
    QLinearGradient along(0, 0, 449, 0);
    along.setColorAt(0.0, rgb(0x2fb24c));
    along.setColorAt(0.55, rgb(0xa6d22e));
    along.setColorAt(0.8, rgb(0xf5b82e));
    along.setColorAt(1.0, rgb(0xe8432b));
    p.fillRect(QRect(0, 0, 450, 10), along);
    // Gloss on top, shade at the bottom: white over the upper rows, black over the lower ones,
    // as strong as the table says for each row; between rows (at 2x) it runs in a straight line.
    const double rows[10] = {0.45, 0.30, 0.18, 0.08, 0.0, 0.0, -0.06, -0.12, -0.2, -0.35};
    for (int y = 0; y < 10 * s; ++y) {
        const double at = rowAt(y, s);
        const int i = std::clamp(static_cast<int>(std::floor(at)), 0, 8);
        const double gloss = rows[i] + (rows[i + 1] - rows[i]) * (at - i);
        const QColor over = gloss >= 0 ? QColor(255, 255, 255) : QColor(0, 0, 0);
        const int alpha = static_cast<int>(std::min(std::abs(gloss), 1.0) * 255.0);
        fillDeviceRow(p, y, 450 * s, QColor(over.red(), over.green(), over.blue(), alpha));
    }
    p.end();
    savePng(img, atScale(QStringLiteral("form2/picture4.png"), s));
    return img;
}

QImage makePauseBanner(int s) {
    QImage img(195 * s, 146 * s, QImage::Format_RGB32);
    QPainter p(&img);
    if (s != 1) {
        p.scale(s, s);
    }
    p.fillRect(QRect(0, 0, 195, 146), kOutline);
    p.fillRect(1, 1, 193, 144, kBandBottom);
    p.fillRect(4, 4, 187, 138, kAccent);
    p.fillRect(6, 6, 183, 134, rgb(0xfffaf0));
    // A pause sign in a disc above the words.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kBandBottom);
    p.drawEllipse(QRectF(80.5, 14, 34, 34));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(90, 22, 5, 18), 1.5, 1.5);
    p.drawRoundedRect(QRectF(100.5, 22, 5, 18), 1.5, 1.5);
    drawCentredText(p, pixelFont(gFonts.cjk, 34), QStringLiteral("游戏暂停"),
                    QRectF(0, 56, 195, 40), kInk, 1.6);
    drawCentredText(p, pixelFont(gFonts.cjk, 20), QStringLiteral("点击开始"),
                    QRectF(0, 102, 195, 26), rgb(0xc0561a), 0.9);
    p.end();
    savePng(img, atScale(QStringLiteral("form2/picture3.png"), s));
    return img;
}

QImage makeBanner(const QString& text, const QFont& font, double stroke, double spacing,
                  const QString& rel, int s) {
    QImage img(362 * s, 42 * s, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    if (s != 1) {
        p.scale(s, s);
    }
    p.setPen(Qt::NoPen);
    // A double red rule round the edge; each rule is two pixels, so it survives the copy
    // that squeezes the banner to 360 x 40.
    p.fillRect(0, 0, 362, 2, kBannerRed);
    p.fillRect(0, 40, 362, 2, kBannerRed);
    p.fillRect(0, 0, 2, 42, kBannerRed);
    p.fillRect(360, 0, 2, 42, kBannerRed);
    drawCentredText(p, font, text, QRectF(0, 0, 362, 42), kBannerRed, stroke, spacing);
    p.end();
    savePng(img, atScale(rel, s));
    return img;
}

QImage makeBackground(int s) {
    QImage img(640 * s, 480 * s, QImage::Format_RGB32);
    QPainter p(&img);
    if (s != 1) {
        p.scale(s, s);
    }
    const QRect all(0, 0, 640, 480);
    QLinearGradient down(0, 0, 0, 479);
    down.setColorAt(0.0, rgb(0xf1f5ea));
    down.setColorAt(1.0, rgb(0xdce8d6));
    p.fillRect(all, down);
    // A faint diagonal weave, barely there, so the empty cells read as cloth and not as a hole.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(60, 110, 80, 14), 1.0));
    for (int d = -480; d < 640; d += 16) {
        p.drawLine(QPointF(d, 0), QPointF(d + 480, 480));
        p.drawLine(QPointF(d + 480, 0), QPointF(d, 480));
    }
    // Soft vignette towards the corners.
    QRadialGradient vignette(QPointF(320, 240), 420);
    vignette.setColorAt(0.0, QColor(255, 255, 255, 0));
    vignette.setColorAt(0.75, QColor(255, 255, 255, 0));
    vignette.setColorAt(1.0, QColor(40, 80, 60, 40));
    p.fillRect(all, vignette);
    p.end();
    savePng(img, atScale(QStringLiteral("board/background.png"), s));
    return img;
}

// ---------------------------------------------------------------------------------------------
// Window skin
//
// The window copies eight pieces of the skin: the top and bottom edges (skin columns 28..35,
// 40 rows) are stretched sideways over the full width, the left and right edges (skin rows
// around 59..61, 13 columns) are stretched over the full height, and four corners are copied
// 1:1 (top-left 30x40, bottom-left 30x40, top-right 111x29, bottom-right 111x35). So the skin is
// laid out as a small copy of the whole frame: every row of the edge strips is uniform along
// the stretch, the title band is 29 rows deep (the top-right corner ends there, and below it the
// right edge shows), the bottom band starts at skin row 194 (window row 545, just under the
// board panel), and the side borders are 4 pixels, inside the 13 columns the edges copy.

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

QImage makeSkin(int s) {
    QImage img(kSkinW * s, kSkinH * s, QImage::Format_RGB32);
    img.fill(kBody);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (s != 1) {
        p.scale(s, s);
    }
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
    p.end();
    savePng(img, atScale(QStringLiteral("frame/pmain.png"), s));
    return img;
}

// The hover and pressed looks of the two caption images, cut from the skin drawn at scale s.
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

// ---------------------------------------------------------------------------------------------
// Icons and pointers

// The application icon of n x n, drawn at scale s: the n-pixel design with s times the pixels.
QImage appIcon(int n, const QImage& cherries, int s) {
    QImage img(n * s, n * s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (s != 1) {
        p.scale(s, s);
    }
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
    p.end();
    return img;
}

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

void makeCursors(int s) {
    savePng(handCursor(QStringLiteral("\U0001F446"), quorvane::kTileCursorHotX,
                       quorvane::kTileCursorHotY, 29, s),
            atScale(QStringLiteral("board/tile_cursor.png"), s));
    savePng(handCursor(QStringLiteral("\u261D\uFE0F"), quorvane::kButtonCursorHotX,
                       quorvane::kButtonCursorHotY, 29, s),
            atScale(QStringLiteral("frame/button_cursor.png"), s));
}

// ---------------------------------------------------------------------------------------------
// Sounds

constexpr int kRate = 44100;

struct Note {
    double start;        // seconds
    double length;       // seconds until the note is cut
    double freq;         // Hz
    double decay;        // per second
    double partials[4];  // amplitudes of harmonics 1..4
};

std::vector<double> renderNotes(const std::vector<Note>& notes, double total) {
    std::vector<double> out(static_cast<std::size_t>(total * kRate), 0.0);
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(note.start * kRate);
        const auto count = static_cast<std::size_t>(note.length * kRate);
        for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double release = std::min(1.0, (note.length - t) / 0.02);
            double v = 0.0;
            for (int h = 0; h < 4; ++h) {
                v += note.partials[h] * std::sin(2.0 * std::numbers::pi * note.freq * (h + 1) * t);
            }
            out[first + i] += v * attack * release * std::exp(-note.decay * t);
        }
    }
    return out;
}

std::vector<double> clickSound() {
    // A short wooden tick: two damped partials and a breath of noise at the onset.
    std::vector<double> out(static_cast<std::size_t>(0.05 * kRate));
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = (static_cast<double>(seed >> 8) / 8388608.0 - 1.0);
        const double end = std::min(1.0, (0.05 - t) / 0.005);
        out[i] = end * (0.8 * std::sin(2 * std::numbers::pi * 1750 * t) * std::exp(-t / 0.010) +
                        0.5 * std::sin(2 * std::numbers::pi * 880 * t) * std::exp(-t / 0.018) +
                        0.12 * noise * std::exp(-t / 0.0015));
    }
    return out;
}

std::vector<double> matchSound() {
    // Two bright bell strokes a fifth apart.
    const double bell[4] = {1.0, 0.0, 0.28, 0.12};
    return renderNotes({{0.0, 0.30, 1318.5, 9.0, {bell[0], bell[1], bell[2], bell[3]}},
                        {0.09, 0.36, 1975.5, 8.0, {bell[0], bell[1], bell[2], bell[3]}}},
                       0.46);
}

std::vector<double> gameOverSound() {
    // A falling minor phrase in a soft, hollow voice.
    const double soft[4] = {1.0, 0.0, 0.12, 0.0};
    std::vector<Note> notes;
    const double freqs[4] = {392.0, 311.13, 261.63, 196.0};
    for (int i = 0; i < 4; ++i) {
        const double length = i < 3 ? 0.2 : 0.34;
        notes.push_back(
            {0.19 * i, length, freqs[i], i < 3 ? 3.0 : 4.5, {soft[0], soft[1], soft[2], soft[3]}});
    }
    return renderNotes(notes, 0.92);
}

std::vector<double> gameWinSound() {
    // A rising major arpeggio that rings out on the octave.
    const double bright[4] = {1.0, 0.35, 0.15, 0.06};
    std::vector<Note> notes;
    const double freqs[4] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        const double length = i < 3 ? 0.16 : 0.5;
        notes.push_back({0.12 * i,
                         length,
                         freqs[i],
                         i < 3 ? 6.0 : 4.0,
                         {bright[0], bright[1], bright[2], bright[3]}});
    }
    return renderNotes(notes, 0.88);
}

// Loudness as the ear meets a short cue: the strongest 50 ms stretch, by its mean square.
double loudness(const std::vector<double>& s) {
    const std::size_t window = kRate / 20;
    double best = 0.0;
    for (std::size_t start = 0; start < s.size(); start += kRate / 200) {
        double sum = 0.0;
        const std::size_t end = std::min(s.size(), start + window);
        for (std::size_t i = start; i < end; ++i) {
            sum += s[i] * s[i];
        }
        best = std::max(best, std::sqrt(sum / static_cast<double>(window)));
    }
    return best;
}

QByteArray wavBytes(const std::vector<double>& samples) {
    QByteArray bytes;
    auto put32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes.append(static_cast<char>((v >> (8 * i)) & 0xff));
        }
    };
    auto put16 = [&bytes](std::uint16_t v) {
        bytes.append(static_cast<char>(v & 0xff));
        bytes.append(static_cast<char>(v >> 8));
    };
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    bytes.append("RIFF");
    put32(36 + dataSize);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(dataSize);
    for (double v : samples) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return bytes;
}

void makeSounds() {
    struct Cue {
        const char* file;
        std::vector<double> samples;
    };
    std::vector<Cue> cues = {{"sounds/hit.wav", clickSound()},
                             {"sounds/and.wav", matchSound()},
                             {"sounds/gameover.wav", gameOverSound()},
                             {"sounds/gamewin.wav", gameWinSound()}};
    // Bring every cue to the same loudness, as loud as the one with the highest peak allows.
    double target = 0.25;
    for (const Cue& cue : cues) {
        double peak = 0.0;
        for (double v : cue.samples) {
            peak = std::max(peak, std::abs(v));
        }
        target = std::min(target, 0.89 * loudness(cue.samples) / peak);
    }
    for (Cue& cue : cues) {
        const double gain = target / loudness(cue.samples);
        for (double& v : cue.samples) {
            v *= gain;
        }
        writeBytes(QString::fromLatin1(cue.file), wavBytes(cue.samples));
    }
}

// ---------------------------------------------------------------------------------------------
// Frame preview: the window as the frame code paints it, with the board panel mocked up.

struct Copy {
    int dx, dy, dw, dh, sx, sy, sw, sh;  // twips
};

// At scale s the pictures are the twins drawn at that scale and the window has s times the
// pixels; the skin is still copied nearest neighbour, and the region still has 1x steps.
QImage assembleWindow(const QImage& skin, const QImage& ico, const std::vector<QImage>& faces,
                      const QImage& background, const QImage& timeBar, bool withContent, int s) {
    constexpr int W = 11385, H = 8535, PW = 4065, PH = 3270;
    const Copy copies[8] = {
        {420, 0, W, 600, 420, 0, 120, 600},
        {420, H - 600, W, 600, 420, PH - 600, 120, 600},
        {0, 0, 200, H, 0, 880, 200, 40},
        {W - 200, 0, 200, H, PW - 200, 880, 200, 40},
        {0, 0, 450, 600, 0, 0, 450, 600},
        {0, H - 600, 450, 600, 0, PH - 600, 450, 600},
        {W - 1665, 0, 1665, 435, PW - 1665, 0, 1665, 435},
        {W - 1665, H - 525, 1665, 525, PW - 1665, PH - 525, 1665, 525},
    };
    const int w = 759, h = 569;
    QImage win(w * s, h * s, QImage::Format_ARGB32_Premultiplied);
    win.fill(kBody);
    QPainter p(&win);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (s != 1) {
        p.scale(s, s);
    }
    auto px = [](int twips) { return twips / 15.0; };
    for (const Copy& c : copies) {
        p.drawImage(QRectF(px(c.dx), px(c.dy), px(c.dw), px(c.dh)), skin,
                    QRectF(px(c.sx) * s, px(c.sy) * s, px(c.sw) * s, px(c.sh) * s));
    }
    p.drawImage(QRectF(px(100), px(80), 16, 16), ico);
    p.setPen(Qt::white);
    p.setFont(pixelFont(gFonts.latin, 12));
    p.drawText(QRectF(px(420), px(100), 300, 16), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Quorvane 1.0.0"));
    if (withContent) {
        // Board panel, board, level caption, time bar; buttons; notice.
        const QPoint panel(4, 32);
        p.fillRect(QRect(panel, QSize(657, 513)), kBody);
        const QPoint board = panel + QPoint(8, 24);
        p.drawImage(QRect(board, QSize(640, 480)), background);
        for (int r = 2; r <= 11; ++r) {
            for (int c = 2; c <= 15; ++c) {
                if ((r == 6 && c >= 5 && c <= 9) || (r == 7 && c == 9) || (r == 3 && c == 12)) {
                    continue;  // a few cleared cells
                }
                int kind = (r * 7 + c * 3 + r * c) % 25;
                if (r == 4 && c == 6) {
                    kind += 25;
                }
                p.drawImage(QRect(board + QPoint((c - 1) * 40, (r - 1) * 40), QSize(40, 40)),
                            faces[static_cast<std::size_t>(kind)]);
            }
        }
        p.save();
        p.setClipRect(QRect(board, QSize(640, 480)));
        p.setPen(Qt::black);
        for (int i = 1; i <= 12; ++i) {
            p.drawLine(board + QPoint(40, 40 * i), board + QPoint(600, 40 * i));
        }
        for (int j = 1; j <= 16; ++j) {
            p.drawLine(board + QPoint(40 * j, 40), board + QPoint(40 * j, 440));
        }
        p.restore();
        // A link: from (6,4) right through the cleared row to (6,10).
        const QColor link = rgb(quorvane::kLinkRgb);
        p.fillRect(QRect(board + QPoint(3 * 40 + 20, 5 * 40 + 15), QSize(6 * 40 - 15, 10)), link);
        p.drawImage(QRect(panel + QPoint(170, 4), QSize(450, 10)),
                    timeBar.copy((450 - 330) * s, 0, 330 * s, 10 * s));
        p.setPen(kInk);
        p.setFont(pixelFont(gFonts.cjk, 13));
        p.drawText(QRect(panel + QPoint(56, 2), QSize(80, 18)), Qt::AlignLeft,
                   QStringLiteral("第  1  关"));
        const char* captions[6] = {"重新载入", "暂停", "求助 3", "关于", "官方网站", "游戏频道"};
        for (int i = 0; i < 6; ++i) {
            const QRect button(664, 104 + 72 * i, 80, 33);
            p.fillRect(button, rgb(0xefefef));
            p.setPen(rgb(0x8a8a8a));
            p.drawRect(button.adjusted(0, 0, -1, -1));
            p.setPen(i >= 4 ? rgb(0x0000c0) : Qt::black);
            p.drawText(button, Qt::AlignCenter, QString::fromUtf8(captions[i]));
        }
        QFile notice(gOutDir + QStringLiteral("/text/notice.txt"));
        if (notice.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromUtf8(notice.readAll()).trimmed();
            p.setPen(Qt::white);
            p.setFont(pixelFont(gFonts.cjk, 12));
            const int tw = p.fontMetrics().horizontalAdvance(text);
            p.drawText(QRect(w - tw - 8, h - 14 - 5, tw, 14), Qt::AlignLeft, text);
        }
    }
    p.end();
    // The window region: two overlapping rectangles and four corner ellipses.
    QRegion region(QRect(QPoint(0, 5), QPoint(w - 1, h - 6)));
    region = region.united(QRect(QPoint(5, 0), QPoint(w - 6, h - 1)));
    region = region.united(QRegion(QRect(QPoint(-2, 0), QPoint(14, 34)), QRegion::Ellipse));
    region = region.united(QRegion(QRect(QPoint(w - 15, 0), QPoint(w + 1, 19)), QRegion::Ellipse));
    region = region.united(QRegion(QRect(QPoint(-1, h - 20), QPoint(9, h - 1)), QRegion::Ellipse));
    region = region.united(
        QRegion(QRect(QPoint(w - 20, h - 40), QPoint(w + 2, h + 3)), QRegion::Ellipse));
    for (int y = 0; y < h * s; ++y) {
        for (int x = 0; x < w * s; ++x) {
            if (!region.contains(QPoint(x / s, y / s))) {
                win.setPixel(x, y, 0);
            }
        }
    }
    return win;
}

// ---------------------------------------------------------------------------------------------
// Contact sheet

QImage checker(QSize size) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            img.setPixel(x, y, ((x / 6 + y / 6) % 2) ? 0xffd8d8d8 : 0xffffffff);
        }
    }
    return img;
}

class Sheet {
  public:
    explicit Sheet(int width, int height = 3200)
        : image_(width, height, QImage::Format_ARGB32_Premultiplied) {
        image_.fill(rgb(0x9aa3a0));
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    void title(const QString& text) {
        newRow();
        painter_.setPen(Qt::black);
        painter_.setFont(pixelFont(gFonts.latin, 14, true));
        painter_.drawText(QPoint(10, y_ + 16), text);
        y_ += 24;
    }
    // Places an image (scaled by zoom, nearest neighbour) with a caption under it.
    void put(const QImage& img, const QString& caption, int zoom = 1, bool onChecker = false) {
        const QSize size = img.size() * zoom;
        const int boxW = std::max(size.width(), 40);
        if (x_ + boxW > image_.width() - 10) {
            newRow();
        }
        if (onChecker) {
            painter_.drawImage(QPoint(x_, y_), checker(size));
        }
        painter_.drawImage(QRect(QPoint(x_, y_), size), img);
        painter_.setPen(Qt::black);
        painter_.setFont(pixelFont(gFonts.latin, 10));
        painter_.drawText(QRect(x_, y_ + size.height() + 1, boxW + 20, 14),
                          Qt::AlignLeft | Qt::AlignTop, caption);
        x_ += boxW + 12;
        rowH_ = std::max(rowH_, size.height() + 18);
    }
    void newRow() {
        y_ += rowH_;
        x_ = 10;
        rowH_ = 0;
    }
    QImage finish() {
        newRow();
        painter_.end();
        return image_.copy(0, 0, image_.width(), y_ + 10);
    }

  private:
    QImage image_;
    QPainter painter_;
    int x_ = 10;
    int y_ = 10;
    int rowH_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Resource lists

// Writes a resource file listing the pictures by the paths the game loads them by.
void writeQrc(QStringList resources, const QString& rel) {
    QByteArray qrc =
        "<!DOCTYPE RCC>\n<!-- Written by quorvane-assetgen. -->\n<RCC version=\"1.0\">\n";
    resources.sort();
    QString lastPrefix;
    for (const QString& file : resources) {
        const int slash = file.indexOf(QLatin1Char('/'));
        const QString prefix = QLatin1Char('/') + file.left(slash);
        if (prefix != lastPrefix) {
            if (!lastPrefix.isEmpty()) {
                qrc += "  </qresource>\n";
            }
            qrc += "  <qresource prefix=\"" + prefix.toUtf8() + "\">\n";
            lastPrefix = prefix;
        }
        qrc += "    <file alias=\"" + file.mid(slash + 1).toUtf8() + "\">" + file.toUtf8() +
               "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    writeBytes(rel, qrc);
}

// ---------------------------------------------------------------------------------------------
// Everything at one scale

struct PictureSet {
    std::vector<QImage> faces;
    QImage pause, timeBar, gameOver, cleared, background, skin;
};

PictureSet makePictures(const std::vector<QImage>& glyphs, int s) {
    PictureSet set;
    set.faces = makeTileFaces(glyphs, s);
    makeLinkPieces(s);
    set.pause = makePauseBanner(s);
    set.timeBar = makeTimeBar(s);
    set.gameOver = makeBanner(QStringLiteral("GAME OVER"), pixelFont(gFonts.latin, 30, true), 0.0,
                              4.0, QStringLiteral("form2/picture5_0.png"), s);
    set.cleared = makeBanner(QStringLiteral("恭喜过关"), pixelFont(gFonts.cjk, 34), 2.2, 6.0,
                             QStringLiteral("form2/picture5_1.png"), s);
    set.background = makeBackground(s);
    set.skin = makeSkin(s);
    makeCaptionButtonLooks(set.skin, s);
    makeIcons(set.skin, s);
    makeCursors(s);
    return set;
}

// The review sheet of the 2x pictures, each at its own size (one 2x pixel to one sheet pixel).
QImage sheet2x(const PictureSet& one, const PictureSet& two) {
    auto file = [](const QString& rel) { return QImage(gOutDir + QLatin1Char('/') + rel); };
    Sheet sheet(2280, 2400);
    sheet.title(
        QStringLiteral("Tile faces at 2x (78x78): the 1x face blown up x2 nearest "
                       "neighbour, then its 2x twin"));
    for (int k : {0, 6, 7, 11, 14, 20, 23, 24, 31, 44}) {
        const auto i = static_cast<std::size_t>(k);
        sheet.put(one.faces[i].scaled(78, 78), QStringLiteral("%1 1x").arg(k));
        sheet.put(two.faces[i], QStringLiteral("%1 2x").arg(k));
    }
    sheet.title(QStringLiteral("Tile faces at 2x, normal (kinds 1-25)"));
    for (int i = 0; i < 25; ++i) {
        sheet.put(two.faces[static_cast<std::size_t>(i)],
                  QStringLiteral("%1 %2").arg(i + 1).arg(QLatin1String(kFruits[i].name)));
    }
    sheet.title(QStringLiteral("Tile faces at 2x, selected (indices 25-49)"));
    for (int i = 25; i < 50; ++i) {
        sheet.put(two.faces[static_cast<std::size_t>(i)], QString::number(i));
    }
    sheet.title(QStringLiteral("Banners, time bar, link pieces at 2x"));
    sheet.put(two.pause, QStringLiteral("picture3@2x 390x292"));
    sheet.put(two.gameOver, QStringLiteral("picture5_0@2x 724x84"));
    sheet.put(two.cleared, QStringLiteral("picture5_1@2x 724x84"));
    sheet.newRow();
    sheet.put(two.timeBar, QStringLiteral("picture4@2x 900x20"));
    for (int i = 0; i < 4; ++i) {
        sheet.put(file(QStringLiteral("form2/picture2_%1@2x.png").arg(i)),
                  QStringLiteral("picture2_%1@2x").arg(i));
    }
    sheet.title(QStringLiteral("Skin, caption images, frame icon, pointers, icons at 2x"));
    sheet.put(two.skin, QStringLiteral("pmain@2x 542x436"));
    for (const char* rel : {"frame/immin1@2x.png", "frame/immin2@2x.png", "frame/imclose1@2x.png",
                            "frame/imclose2@2x.png", "frame/imico@2x.png"}) {
        sheet.put(file(QLatin1String(rel)),
                  QFileInfo(QLatin1String(rel)).completeBaseName() + QStringLiteral(" x2"), 2);
    }
    sheet.put(file(QStringLiteral("board/tile_cursor@2x.png")), QStringLiteral("tile_cursor@2x"), 1,
              true);
    sheet.put(file(QStringLiteral("frame/button_cursor@2x.png")),
              QStringLiteral("button_cursor@2x"), 1, true);
    for (int n : quorvane::kIconSizes2x) {
        sheet.put(file(QStringLiteral("icons/quorvane_%1@2x.png").arg(n)),
                  QStringLiteral("icon %1@2x").arg(n), 1, true);
    }
    sheet.title(
        QStringLiteral("Board background at 2x: top-left quarter (640x480 of 1280x960); "
                       "the window at 2x is preview/window-2x.png"));
    sheet.put(two.background.copy(0, 0, 640, 480), QStringLiteral("background@2x"));
    return sheet.finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quorvane-assetgen <assets-dir>\n");
        return 2;
    }
    gOutDir = QDir(args[1]).absolutePath();

    gFonts.emoji = loadFont(QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"),
                            QStringLiteral("Noto Color Emoji"));
    gFonts.cjk = loadFont(QStringLiteral("/usr/share/fonts/truetype/arphic/uming.ttc"),
                          QStringLiteral("UMing CN"));
    gFonts.latin = loadFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
                            QStringLiteral("DejaVu Sans"));

    std::vector<QImage> glyphs;
    for (const Fruit& fruit : kFruits) {
        glyphs.push_back(renderEmoji(QString::fromUtf8(fruit.emoji)));
    }
    const PictureSet one = makePictures(glyphs, 1);
    const PictureSet two = makePictures(glyphs, 2);
    const std::vector<QImage>& faces = one.faces;
    const QImage& pause = one.pause;
    const QImage& timeBar = one.timeBar;
    const QImage& gameOver = one.gameOver;
    const QImage& cleared = one.cleared;
    const QImage& background = one.background;
    const QImage& skin = one.skin;

    const QString notice = QStringLiteral("© 2026 Quorvane 开发组");
    writeBytes(QStringLiteral("text/notice.txt"), notice.toUtf8() + '\n');
    gResources << QStringLiteral("text/notice.txt");

    makeSounds();

    // The resource lists, with the paths the game loads them by. The 2x twins have a list of
    // their own, compiled into a library of their own, so that a program that has no use for
    // them does not carry them.
    writeQrc(gResources, QStringLiteral("quorvane_assets.qrc"));
    writeQrc(gResources2x, QStringLiteral("quorvane_assets_2x.qrc"));

    // Previews: the frame alone, the window mocked up (also at 2x), and the contact sheets.
    QImage ico(gOutDir + QStringLiteral("/frame/imico.png"));
    const QImage frame = assembleWindow(skin, ico, faces, background, timeBar, false, 1);
    const QImage window = assembleWindow(skin, ico, faces, background, timeBar, true, 1);
    savePng(frame, QStringLiteral("preview/frame.png"), false);
    savePng(window, QStringLiteral("preview/window.png"), false);
    const QImage window2x =
        assembleWindow(two.skin, QImage(gOutDir + QStringLiteral("/frame/imico@2x.png")), two.faces,
                       two.background, two.timeBar, true, 2);
    savePng(window2x, QStringLiteral("preview/window-2x.png"), false);
    savePng(sheet2x(one, two), QStringLiteral("contact-sheet-2x.png"), false);

    Sheet sheet(1560);
    sheet.title(
        QStringLiteral("Tile faces, normal (kinds 1-25): as painted into 40x40 cells, then x2"));
    for (int i = 0; i < 25; ++i) {
        sheet.put(faces[static_cast<std::size_t>(i)].scaled(40, 40), QString::number(i + 1), 1);
    }
    sheet.newRow();
    for (int i = 0; i < 25; ++i) {
        sheet.put(faces[static_cast<std::size_t>(i)].scaled(80, 80),
                  QStringLiteral("%1 %2").arg(i + 1).arg(QLatin1String(kFruits[i].name)), 1);
    }
    sheet.title(QStringLiteral("Tile faces, selected (indices 25-49)"));
    for (int i = 25; i < 50; ++i) {
        sheet.put(faces[static_cast<std::size_t>(i)].scaled(40, 40), QString::number(i), 1);
    }
    sheet.title(QStringLiteral("Banners, time bar, link pieces"));
    sheet.put(pause, QStringLiteral("picture3 195x146"));
    sheet.put(gameOver, QStringLiteral("picture5_0 362x42"));
    sheet.put(cleared, QStringLiteral("picture5_1 362x42"));
    sheet.newRow();
    sheet.put(timeBar, QStringLiteral("picture4 450x10"), 2);
    for (int i = 0; i < 4; ++i) {
        sheet.put(QImage(gOutDir + QStringLiteral("/form2/picture2_%1.png").arg(i)),
                  QStringLiteral("picture2_%1").arg(i), 2);
    }
    sheet.title(QStringLiteral("Skin, caption buttons, icons, pointers"));
    sheet.put(skin, QStringLiteral("pmain 271x218, x2"), 2);
    for (const char* file : {"frame/immin1.png", "frame/immin2.png", "frame/imclose1.png",
                             "frame/imclose2.png", "frame/imico.png"}) {
        sheet.put(QImage(gOutDir + QLatin1Char('/') + QLatin1String(file)),
                  QFileInfo(QLatin1String(file)).baseName() + QStringLiteral(" x4"), 4);
    }
    sheet.put(QImage(gOutDir + QStringLiteral("/board/tile_cursor.png")),
              QStringLiteral("tile_cursor x3"), 3, true);
    sheet.put(QImage(gOutDir + QStringLiteral("/frame/button_cursor.png")),
              QStringLiteral("button_cursor x3"), 3, true);
    sheet.newRow();
    for (int n : quorvane::kIconSizes) {
        sheet.put(QImage(gOutDir + QStringLiteral("/icons/quorvane_%1.png").arg(n)),
                  QStringLiteral("icon %1").arg(n), 1, true);
    }
    sheet.title(
        QStringLiteral("Window 759x569: the eight skin copies and the region; then mocked up"));
    sheet.put(frame, QStringLiteral("frame"), 1, true);
    sheet.put(window, QStringLiteral("window"), 1, true);
    sheet.title(QStringLiteral("Board background 640x480"));
    sheet.put(background, QStringLiteral("background"));
    savePng(sheet.finish(), QStringLiteral("contact-sheet.png"), false);
    return 0;
}
