// SPDX-License-Identifier: MIT
// Previews of the window as its frame code paints it: the frame alone, and with the board panel
// mocked up, at 1x and at 2x.
#include <QFile>
#include <QRegion>

#include <vector>

#include "makers.h"
#include "output.h"
#include "paint.h"
#include "skincopies.h"

namespace quorvane::assetgen {

namespace {

// At scale s the pictures are the twins drawn at that scale and the window has s times the
// pixels; the skin is still copied nearest neighbour, and the region still has 1x steps.
QImage assembleWindow(const QImage& skin, const QImage& ico, const std::vector<QImage>& faces,
                      const QImage& background, const QImage& timeBar, bool withContent, int s) {
    const int w = 759, h = 569;
    Canvas canvas(w, h, s, QImage::Format_ARGB32_Premultiplied, kBody);
    QPainter& p = canvas.painter();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    auto px = [](int twips) { return twips / 15.0; };
    for (const SkinCopy& c : quorvane::kSkinCopies) {
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
        QFile notice(outFile(QStringLiteral("text/notice.txt")));
        if (notice.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromUtf8(notice.readAll()).trimmed();
            p.setPen(Qt::white);
            p.setFont(pixelFont(gFonts.cjk, 12));
            const int tw = p.fontMetrics().horizontalAdvance(text);
            p.drawText(QRect(w - tw - 8, h - 14 - 5, tw, 14), Qt::AlignLeft, text);
        }
    }
    QImage win = canvas.finish();
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

}  // namespace

void makePreviews(const PictureSet& one, const PictureSet& two) {
    const QImage ico(outFile(QStringLiteral("frame/imico.png")));
    const QImage frame =
        assembleWindow(one.skin, ico, one.faces, one.background, one.timeBar, false, 1);
    const QImage window =
        assembleWindow(one.skin, ico, one.faces, one.background, one.timeBar, true, 1);
    savePng(frame, QStringLiteral("preview/frame.png"), false);
    savePng(window, QStringLiteral("preview/window.png"), false);
    const QImage window2x =
        assembleWindow(two.skin, QImage(outFile(QStringLiteral("frame/imico@2x.png"))), two.faces,
                       two.background, two.timeBar, true, 2);
    savePng(window2x, QStringLiteral("preview/window-2x.png"), false);
    makeContactSheets(one, two, frame, window);
}

}  // namespace quorvane::assetgen
