// SPDX-License-Identifier: MIT
// The pictures of the board: link pieces, the time bar, the pause, time-out and level-cleared
// banners, and the board's background.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cmath>

#include "makers.h"
#include "output.h"
#include "paint.h"

namespace quorvane::assetgen {

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
    Canvas canvas(450, 10, s);
    QPainter& p = canvas.painter();
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
    return canvas.save(QStringLiteral("form2/picture4.png"));
}

QString BannerWords::path(const QString& name) const {
    return language.isEmpty() ? QStringLiteral("form2/") + name
                              : QStringLiteral("form2/%1/%2").arg(language, name);
}

BannerWords ownBannerWords() {
    return {{},
            {QStringLiteral("游戏暂停"), pixelFont(gFonts.cjk, 34), 1.6},
            {QStringLiteral("点击开始"), pixelFont(gFonts.cjk, 20), 0.9},
            {QStringLiteral("GAME OVER"), pixelFont(gFonts.latin, 30, true), 0.0, 4.0},
            {QStringLiteral("恭喜过关"), pixelFont(gFonts.cjk, 34), 2.2, 6.0}};
}

std::vector<BannerWords> translatedBannerWords() {
    return {
        {QStringLiteral("en"),
         {QStringLiteral("PAUSED"), pixelFont(gFonts.latin, 30, true), 0.0, 3.0},
         {QStringLiteral("Click to resume"), pixelFont(gFonts.latin, 16, true), 0.0, 0.5},
         {QStringLiteral("TIME'S UP"), pixelFont(gFonts.latin, 30, true), 0.0, 4.0},
         {QStringLiteral("LEVEL CLEARED"), pixelFont(gFonts.latin, 30, true), 0.0, 2.0}},
        // "GAME OVER" reads the same in Taiwan.
        {QStringLiteral("zh_TW"),
         {QStringLiteral("遊戲暫停"), pixelFont(gFonts.cjkTaiwan, 34), 1.6},
         {QStringLiteral("點擊開始"), pixelFont(gFonts.cjkTaiwan, 20), 0.9},
         {},
         {QStringLiteral("恭喜過關"), pixelFont(gFonts.cjkTaiwan, 34), 2.2, 6.0}},
    };
}

QImage makePauseBanner(const BannerWords& words, int s) {
    Canvas canvas(195, 146, s);
    QPainter& p = canvas.painter();
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
    drawCentredText(p, words.paused.font, words.paused.text, QRectF(0, 56, 195, 40), kInk,
                    words.paused.stroke, words.paused.spacing);
    drawCentredText(p, words.prompt.font, words.prompt.text, QRectF(0, 102, 195, 26), rgb(0xc0561a),
                    words.prompt.stroke, words.prompt.spacing);
    return canvas.save(words.path(QStringLiteral("picture3.png")));
}

QImage makeBanner(const BannerLine& line, const QString& rel, int s) {
    Canvas canvas(362, 42, s, QImage::Format_RGB32, Qt::white);
    QPainter& p = canvas.painter();
    p.setPen(Qt::NoPen);
    // A double red rule round the edge; each rule is two pixels, so it survives the copy
    // that squeezes the banner to 360 x 40.
    p.fillRect(0, 0, 362, 2, kBannerRed);
    p.fillRect(0, 40, 362, 2, kBannerRed);
    p.fillRect(0, 0, 2, 42, kBannerRed);
    p.fillRect(360, 0, 2, 42, kBannerRed);
    drawCentredText(p, line.font, line.text, QRectF(0, 0, 362, 42), kBannerRed, line.stroke,
                    line.spacing);
    return canvas.save(rel);
}

QImage makeBackground(int s) {
    Canvas canvas(640, 480, s);
    QPainter& p = canvas.painter();
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
    return canvas.save(QStringLiteral("board/background.png"));
}

}  // namespace quorvane::assetgen
