// SPDX-License-Identifier: MIT
// Checks the pictures drawn at twice the resolution against the 1x pictures they stand in for.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assets/assets2x.h"
#include "assets/rawpictures.h"

// The 2x pictures as PNG files, which the game itself does not carry.
static void initPngTwins() {
    Q_INIT_RESOURCE(quorvane_assets_2x);
}

namespace {

class Assets2x : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        quorvane::initAssets();
        quorvane::initAssets2x();
        initPngTwins();
    }

    static QImage load(const QString& path) {
        QImage image(path);
        EXPECT_FALSE(image.isNull()) << path.toStdString() << " is missing or unreadable";
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    // Every 1x picture in the resource folders that have twins.
    static std::vector<QString> onePictures() {
        std::vector<QString> paths;
        for (const char* folder : {":/form2", ":/board", ":/frame", ":/icons"}) {
            QDirIterator it(QString::fromLatin1(folder), QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (path.endsWith(QLatin1String(".png")) && !path.contains(QLatin1String("@2x"))) {
                    paths.push_back(path);
                }
            }
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    static bool hasTwin(const QString& path) {
        if (!path.startsWith(QLatin1String(":/icons/"))) {
            return true;
        }
        const QStringView n = QStringView(path).mid(17).chopped(4);  // ":/icons/quorvane_"
        return std::find(quorvane::kIconSizes2x.begin(), quorvane::kIconSizes2x.end(), n.toInt()) !=
               quorvane::kIconSizes2x.end();
    }
};

// The 2x picture box-filtered down to 1x: each pixel the mean of its 2 x 2 block.
QImage boxDown(const QImage& twin) {
    QImage out(twin.width() / 2, twin.height() / 2, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = twin.pixel(2 * x + dx, 2 * y + dy);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    sum[3] += qAlpha(p);
                }
            }
            out.setPixel(
                x, y,
                qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4));
        }
    }
    return out;
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
}

// Share of the aligned 2 x 2 blocks of a 78 x 78 face that are one flat colour, counted where the
// 39 x 39 face has an edge (a neighbour that differs by more than a faint gradient step) inside
// the bevel. A face blown up from 1x is flat everywhere; one drawn at 2x resolves the edges.
double flatShareAtEdges(const QImage& one, const QImage& twin) {
    int edges = 0, flat = 0;
    for (int y = 5; y < 34; ++y) {
        for (int x = 5; x < 34; ++x) {
            bool edge = false;
            for (int oy = -1; oy <= 1; ++oy) {
                for (int ox = -1; ox <= 1; ++ox) {
                    edge = edge || distance(one.pixel(x, y), one.pixel(x + ox, y + oy)) > 24;
                }
            }
            if (!edge) {
                continue;
            }
            ++edges;
            const QRgb p = twin.pixel(2 * x, 2 * y);
            flat += p == twin.pixel(2 * x + 1, 2 * y) && p == twin.pixel(2 * x, 2 * y + 1) &&
                    p == twin.pixel(2 * x + 1, 2 * y + 1);
        }
    }
    return edges == 0 ? 1.0 : double(flat) / edges;
}

TEST_F(Assets2x, EveryPictureHasATwinOfTwiceItsSize) {
    int twins = 0;
    for (const QString& path : onePictures()) {
        const QString twin = quorvane::assetPath2x(path);
        if (!hasTwin(path)) {
            EXPECT_FALSE(QFile::exists(twin)) << twin.toStdString();
            continue;
        }
        const QImage one = load(path);
        EXPECT_EQ(load(twin).size(), one.size() * 2) << twin.toStdString();
        ++twins;
    }
    // 58 pictures of form2 and 5 banners in the translations (form2/en, form2/zh_TW), the
    // background and a pointer, the skin and six small frame pictures, three icons; and no twin
    // without its picture.
    EXPECT_EQ(twins, 58 + 5 + 2 + 7 + 3);
    for (const char* folder : {":/form2", ":/board", ":/frame", ":/icons"}) {
        QDirIterator it(QString::fromLatin1(folder));
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QLatin1String("@2x"))) {
                QString one = path;
                EXPECT_TRUE(QFile::exists(one.remove(QLatin1String("@2x")))) << path.toStdString();
            }
        }
    }
}

TEST_F(Assets2x, TileTwinsAreDrawnNotBlownUp) {
    for (int i = 0; i < 2 * quorvane::kTileKinds; ++i) {
        const QString path =
            QStringLiteral(":/form2/picture1_%1.png").arg(i, 2, 10, QLatin1Char('0'));
        const QImage one = load(path);
        const QImage twin = load(quorvane::assetPath2x(path));
        ASSERT_EQ(twin.size(), QSize(78, 78)) << path.toStdString();
        EXPECT_LT(flatShareAtEdges(one, twin), 0.5) << path.toStdString();
        if (i == 0) {
            EXPECT_EQ(flatShareAtEdges(one, one.scaled(78, 78)), 1.0);
        }
    }
}

TEST_F(Assets2x, TwinsFilteredDownLookLikeTheirPictures) {
    // The same drawing at twice the resolution: filtered back down, it is the 1x picture but for
    // the anti-aliasing of curves and text. The tile faces are rectangles and a glyph placed on
    // the same pixels, so every pixel matches to within rounding.
    for (const QString& path : onePictures()) {
        if (!hasTwin(path)) {
            continue;
        }
        const QImage one = load(path);
        const QImage twin = load(quorvane::assetPath2x(path));
        ASSERT_EQ(twin.size(), one.size() * 2) << path.toStdString();
        const QImage down = boxDown(twin);
        double sum = 0;
        int worst = 0;
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const int d = distance(one.pixel(x, y), down.pixel(x, y));
                sum += d / 4.0;
                worst = std::max(worst, d);
            }
        }
        EXPECT_LT(sum / (one.width() * one.height()), 3.0) << path.toStdString();
        if (path.contains(QLatin1String("picture1_"))) {
            EXPECT_LE(worst, 8) << path.toStdString();
        }
    }
}

TEST_F(Assets2x, PointerTwinsPointWithTheDoubledHotSpot) {
    struct Pointer {
        const char* path;
        int hotX, hotY;
    };
    for (const Pointer& p : {Pointer{":/board/tile_cursor@2x.png", quorvane::kTileCursorHotX,
                                     quorvane::kTileCursorHotY},
                             Pointer{":/frame/button_cursor@2x.png", quorvane::kButtonCursorHotX,
                                     quorvane::kButtonCursorHotY}}) {
        const QImage image = load(QString::fromLatin1(p.path));
        ASSERT_EQ(image.size(), QSize(64, 64)) << p.path;
        EXPECT_GT(qAlpha(image.pixel(2 * p.hotX, 2 * p.hotY)), 128) << p.path;
        EXPECT_EQ(qAlpha(image.pixel(63, 0)), 0) << p.path;
        EXPECT_EQ(qAlpha(image.pixel(0, 63)), 0) << p.path;
    }
}

TEST_F(Assets2x, SkinTwinStretchesWithoutSeams) {
    // The window stretches the skin's edges: each row of the bands, from inside the left corner
    // to the caption images (or to the right border below them), must be one colour, and so must
    // each column of the side borders between the bands.
    const QImage skin = load(QStringLiteral(":/frame/pmain@2x.png"));
    ASSERT_EQ(skin.size(), QSize(542, 436));
    for (int y = 0; y < 436; ++y) {
        const int left = y < 58 || y >= 388 ? 60 : 8;
        const int right = y < 42 ? 458 : 534;
        for (int x = left; x < right; ++x) {
            ASSERT_EQ(skin.pixel(x, y), skin.pixel(left, y)) << "row " << y << " at x " << x;
        }
    }
    for (int x : {0, 1, 2, 3, 4, 5, 6, 7, 534, 535, 536, 537, 538, 539, 540, 541}) {
        for (int y = 58; y < 388; ++y) {
            ASSERT_EQ(skin.pixel(x, y), skin.pixel(x, 58)) << "column " << x << " at y " << y;
        }
    }
}

TEST_F(Assets2x, LoadAssetTakesTheTwinAboveRatioOne) {
    const QString face = QStringLiteral(":/form2/picture1_07.png");
    const QImage one = quorvane::loadAsset(face, 1.0);
    EXPECT_EQ(one.size(), QSize(39, 39));
    EXPECT_EQ(one.devicePixelRatio(), 1.0);
    for (qreal dpr : {1.25, 1.5, 2.0, 3.0}) {
        const QImage twin = quorvane::loadAsset(face, dpr);
        EXPECT_EQ(twin.size(), QSize(78, 78)) << dpr;
        EXPECT_EQ(twin.devicePixelRatio(), 2.0) << dpr;
        EXPECT_EQ(twin.deviceIndependentSize(), QSizeF(39, 39)) << dpr;
    }
    // A picture without a twin comes at 1x; a missing one is null.
    const QImage icon = quorvane::loadAsset(QStringLiteral(":/icons/quorvane_256.png"), 2.0);
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_EQ(icon.devicePixelRatio(), 1.0);
    EXPECT_TRUE(quorvane::loadAsset(QStringLiteral(":/form2/picture9.png"), 2.0).isNull());
    EXPECT_TRUE(quorvane::loadAsset(QStringLiteral(":/form2/picture9.png"), 1.0).isNull());
}

// At 1x every picture comes from the pixels decoded at build time: the very pixels of its file
// (a stale or misplaced build would show), held in the program's own read-only data.
TEST_F(Assets2x, AtRatioOneEveryPictureIsItsFileFromTheBuiltInPixels) {
    const std::vector<QString> paths = onePictures();
    ASSERT_EQ(quorvane::rawPictures().size(), paths.size());
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QImage file = load(path);
        const QImage shown = quorvane::loadAsset(path, 1.0);
        ASSERT_EQ(shown.size(), file.size());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), file);
        EXPECT_EQ(shown.hasAlphaChannel(), QImage(path).hasAlphaChannel());
        const uchar* pixels = shown.constBits();
        const uchar* begin = quorvane::rawPixels();
        EXPECT_TRUE(pixels >= begin && pixels < begin + 4 * 1024 * 1024) << "a copy was made";
        EXPECT_EQ(reinterpret_cast<quintptr>(pixels) % 64, 0U);
    }
}

// Above 1x every twin comes from the pixels made at build time from every picture the 2x resource
// lists, subfolders included: the very pixels of its PNG file, in the same format.
TEST_F(Assets2x, AboveRatioOneEveryTwinIsItsFileFromTheBuiltPixels) {
    int twins = 0;
    QDirIterator it(QStringLiteral(":/"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String("@2x.png"))) {
            continue;
        }
        SCOPED_TRACE(path.toStdString());
        ++twins;
        QString one = path;
        one.remove(QLatin1String("@2x"));
        const QImage file(path);
        const QImage shown = quorvane::loadAsset(one, 1.5);
        ASSERT_EQ(shown.size(), file.size());
        EXPECT_EQ(shown.devicePixelRatio(), 2.0);
        EXPECT_EQ(shown.hasAlphaChannel(), file.hasAlphaChannel());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  file.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    EXPECT_GE(twins, 60);
}

}  // namespace
