// SPDX-License-Identifier: MIT
// The contact sheets: every picture on one page for review, the 1x set with the window previews,
// and the 2x set at its own size.
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <initializer_list>

#include "assets2x.h"
#include "makers.h"
#include "output.h"
#include "paint.h"

namespace quorvane::assetgen {

namespace {

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

const std::initializer_list<const char*> kCaptionImages = {"frame/immin1.png", "frame/immin2.png",
                                                           "frame/imclose1.png",
                                                           "frame/imclose2.png", "frame/imico.png"};
const std::initializer_list<const char*> kPointers = {"board/tile_cursor.png",
                                                      "frame/button_cursor.png"};

// Puts pictures read back from the assets folder, by their names at scale s, each captioned with
// its name and, when blown up, by how much.
void putFiles(Sheet& sheet, std::initializer_list<const char*> rels, int s, int zoom,
              bool onChecker = false) {
    for (const char* rel : rels) {
        const QString name = atScale(QLatin1String(rel), s);
        QString caption = QFileInfo(name).completeBaseName();
        if (zoom > 1) {
            caption += QStringLiteral(" x%1").arg(zoom);
        }
        sheet.put(QImage(outFile(name)), caption, zoom, onChecker);
    }
}

// The review sheet of the 2x pictures, each at its own size (one 2x pixel to one sheet pixel).
QImage sheet2x(const PictureSet& one, const PictureSet& two) {
    auto file = [](const QString& rel) { return QImage(outFile(rel)); };
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
    putFiles(sheet, kCaptionImages, 2, 2);
    putFiles(sheet, kPointers, 2, 1, true);
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

// The review sheet of the 1x pictures, some blown up, with the window previews.
QImage sheet1x(const PictureSet& one, const QImage& frame, const QImage& window) {
    auto file = [](const QString& rel) { return QImage(outFile(rel)); };
    Sheet sheet(1560);
    sheet.title(
        QStringLiteral("Tile faces, normal (kinds 1-25): as painted into 40x40 cells, then x2"));
    for (int i = 0; i < 25; ++i) {
        sheet.put(one.faces[static_cast<std::size_t>(i)].scaled(40, 40), QString::number(i + 1), 1);
    }
    sheet.newRow();
    for (int i = 0; i < 25; ++i) {
        sheet.put(one.faces[static_cast<std::size_t>(i)].scaled(80, 80),
                  QStringLiteral("%1 %2").arg(i + 1).arg(QLatin1String(kFruits[i].name)), 1);
    }
    sheet.title(QStringLiteral("Tile faces, selected (indices 25-49)"));
    for (int i = 25; i < 50; ++i) {
        sheet.put(one.faces[static_cast<std::size_t>(i)].scaled(40, 40), QString::number(i), 1);
    }
    sheet.title(QStringLiteral("Banners, time bar, link pieces"));
    sheet.put(one.pause, QStringLiteral("picture3 195x146"));
    sheet.put(one.gameOver, QStringLiteral("picture5_0 362x42"));
    sheet.put(one.cleared, QStringLiteral("picture5_1 362x42"));
    sheet.newRow();
    sheet.put(one.timeBar, QStringLiteral("picture4 450x10"), 2);
    for (int i = 0; i < 4; ++i) {
        sheet.put(file(QStringLiteral("form2/picture2_%1.png").arg(i)),
                  QStringLiteral("picture2_%1").arg(i), 2);
    }
    sheet.title(QStringLiteral("Skin, caption buttons, icons, pointers"));
    sheet.put(one.skin, QStringLiteral("pmain 271x218, x2"), 2);
    putFiles(sheet, kCaptionImages, 1, 4);
    putFiles(sheet, kPointers, 1, 3, true);
    sheet.newRow();
    for (int n : quorvane::kIconSizes) {
        sheet.put(file(QStringLiteral("icons/quorvane_%1.png").arg(n)),
                  QStringLiteral("icon %1").arg(n), 1, true);
    }
    sheet.title(
        QStringLiteral("Window 759x569: the eight skin copies and the region; then mocked up"));
    sheet.put(frame, QStringLiteral("frame"), 1, true);
    sheet.put(window, QStringLiteral("window"), 1, true);
    sheet.title(QStringLiteral("Board background 640x480"));
    sheet.put(one.background, QStringLiteral("background"));
    return sheet.finish();
}

}  // namespace

void makeContactSheets(const PictureSet& one, const PictureSet& two, const QImage& frame,
                       const QImage& window) {
    savePng(sheet2x(one, two), QStringLiteral("contact-sheet-2x.png"), false);
    savePng(sheet1x(one, frame, window), QStringLiteral("contact-sheet.png"), false);
}

}  // namespace quorvane::assetgen
