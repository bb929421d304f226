// SPDX-License-Identifier: MIT
// Checks the pictures compiled into the program and the files it reads from its data folder.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "assets/assets.h"
#include "assets/skincopies.h"

namespace {

class Assets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { quorvane::initAssets(); }

    static QImage load(const QString& path) {
        QImage image(path);
        EXPECT_FALSE(image.isNull()) << path.toStdString() << " is missing or unreadable";
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    static QString face(int index) {
        return QStringLiteral(":/form2/picture1_%1.png").arg(index, 2, 10, QLatin1Char('0'));
    }
};

int channelDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Mean per-pixel colour distance (0..765) between two images of one size, over a region.
double meanDistance(const QImage& a, const QImage& b, bool (*inside)(int, int) = nullptr) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (inside == nullptr || inside(x, y)) {
                sum += channelDistance(a.pixel(x, y), b.pixel(x, y));
                ++count;
            }
        }
    }
    return sum / count;
}

TEST_F(Assets, FiftyTileFacesOf39By39) {
    for (int i = 0; i < 50; ++i) {
        const QImage image = load(face(i));
        EXPECT_EQ(image.size(), QSize(39, 39)) << face(i).toStdString();
    }
    EXPECT_FALSE(QFile::exists(face(50)));
}

TEST_F(Assets, EveryKindDiffersFromEveryOtherKind) {
    // A missing glyph or a copy-paste slip shows up as two faces that are nearly the same. The
    // selected looks share their dark face, so they differ by the fruit alone.
    for (int offset : {0, 25}) {
        const double least = offset == 0 ? 40.0 : 20.0;
        std::vector<QImage> faces;
        for (int k = 0; k < 25; ++k) {
            faces.push_back(load(face(offset + k)));
        }
        for (int a = 0; a < 25; ++a) {
            for (int b = a + 1; b < 25; ++b) {
                EXPECT_GT(meanDistance(faces[a], faces[b]), least)
                    << "faces " << offset + a << " and " << offset + b << " look alike";
            }
        }
    }
}

TEST_F(Assets, SelectedLookStandsOutFromTheNormalLook) {
    // The frame and face colour must change, not just a faint tint: compare the outer ring of
    // the tile (where no fruit is) and the overall brightness.
    auto ring = [](int x, int y) { return x < 5 || y < 5 || x > 33 || y > 33; };
    auto brightness = [](const QImage& image) {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                sum += qGray(image.pixel(x, y));
            }
        }
        return sum / (image.width() * image.height());
    };
    for (int k = 0; k < 25; ++k) {
        const QImage normal = load(face(k));
        const QImage selected = load(face(k + 25));
        EXPECT_GT(meanDistance(normal, selected, ring), 200.0) << "kind " << k + 1;
        EXPECT_GT(std::abs(brightness(normal) - brightness(selected)), 40.0) << "kind " << k + 1;
    }
}

TEST_F(Assets, LinkPiecesAreSolidPurpleBarsOfTheirSizes) {
    const QSize sizes[4] = {{10, 25}, {25, 10}, {10, 40}, {40, 10}};
    for (int i = 0; i < 4; ++i) {
        const QString path = QStringLiteral(":/form2/picture2_%1.png").arg(i);
        const QImage image = load(path);
        ASSERT_EQ(image.size(), sizes[i]) << path.toStdString();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(image.pixel(x, y), qRgba(116, 58, 249, 255))
                    << path.toStdString() << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(Assets, BannersTimeBarAndBackgroundHaveTheirSizes) {
    EXPECT_EQ(load(QStringLiteral(":/form2/picture3.png")).size(), QSize(195, 146));
    EXPECT_EQ(load(QStringLiteral(":/form2/picture4.png")).size(), QSize(450, 10));
    EXPECT_EQ(load(QStringLiteral(":/form2/picture5_0.png")).size(), QSize(362, 42));
    EXPECT_EQ(load(QStringLiteral(":/form2/picture5_1.png")).size(), QSize(362, 42));
    EXPECT_EQ(load(QStringLiteral(":/board/background.png")).size(), QSize(640, 480));
}

TEST_F(Assets, EndOfLevelBannersAreRedOnWhite) {
    for (const char* path : {":/form2/picture5_0.png", ":/form2/picture5_1.png"}) {
        const QImage image = load(QString::fromLatin1(path));
        int white = 0, red = 0, other = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240) {
                    ++white;
                } else if (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90) {
                    ++red;
                }
                // Every pixel is white, red, or a blend of the two.
                if (qRed(p) < 200 || std::abs(qGreen(p) - qBlue(p)) > 12) {
                    ++other;
                }
            }
        }
        const int all = image.width() * image.height();
        EXPECT_GT(white, all / 2) << path;
        EXPECT_GT(red, all / 12) << path;
        EXPECT_EQ(other, 0) << path;
    }
}

TEST_F(Assets, FrameSmallImagesAreSixteenPixels) {
    for (const char* path : {":/frame/immin1.png", ":/frame/immin2.png", ":/frame/imclose1.png",
                             ":/frame/imclose2.png", ":/frame/imico.png"}) {
        EXPECT_EQ(load(QString::fromLatin1(path)).size(), QSize(16, 16)) << path;
    }
}

TEST_F(Assets, ApplicationIconsInEverySize) {
    for (int n : quorvane::kIconSizes) {
        const QString path = QStringLiteral(":/icons/quorvane_%1.png").arg(n);
        EXPECT_EQ(load(path).size(), QSize(n, n)) << path.toStdString();
    }
}

TEST_F(Assets, PointersPointWithTheirHotSpot) {
    struct Pointer {
        const char* path;
        int hotX, hotY;
    };
    for (const Pointer& p :
         {Pointer{":/board/tile_cursor.png", quorvane::kTileCursorHotX, quorvane::kTileCursorHotY},
          Pointer{":/frame/button_cursor.png", quorvane::kButtonCursorHotX,
                  quorvane::kButtonCursorHotY}}) {
        const QImage image = load(QString::fromLatin1(p.path));
        ASSERT_EQ(image.size(), QSize(32, 32)) << p.path;
        ASSERT_TRUE(image.hasAlphaChannel()) << p.path;
        // The hot spot is on the tip of the pointer: drawn, with nothing drawn above it.
        EXPECT_GT(qAlpha(image.pixel(p.hotX, p.hotY)), 128) << p.path;
        for (int y = 0; y + 1 < p.hotY; ++y) {
            for (int x = 0; x < 32; ++x) {
                EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << p.path << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0) << p.path;
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0) << p.path;
    }
}

TEST_F(Assets, NoticeIsOneShortLine) {
    QFile file(QStringLiteral(":/text/notice.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll()).trimmed();
    EXPECT_FALSE(text.isEmpty());
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_LE(text.size(), 24);
}

TEST_F(Assets, ResourceTreeHoldsExactlyThePictureSet) {
    int count = 0;
    QDirIterator it(QStringLiteral(":/form2"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isFile()) {
            ++count;
        }
    }
    // And the banners with words in the translations: three in English, two in Traditional
    // Chinese, where "GAME OVER" stays.
    EXPECT_EQ(count, 50 + 4 + 1 + 1 + 2 + 3 + 2);
}

// --- The skin against the window frame's eight copies --------------------------------------

// Paints the frame as the window does: eight stretched copies of the skin, nearest neighbour,
// twips turned into whole pixels.
QImage assembleFrame(const QImage& skin) {
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    QImage window(759, 569, QImage::Format_ARGB32);
    window.fill(qRgba(0, 0, 0, 0));  // unpainted: transparent
    for (const quorvane::SkinCopy& c : quorvane::kSkinCopies) {
        const int dx = px(c.dx), dy = px(c.dy), dw = px(c.dw), dh = px(c.dh);
        const int sx = px(c.sx), sy = px(c.sy), sw = px(c.sw), sh = px(c.sh);
        for (int y = 0; y < dh; ++y) {
            for (int x = 0; x < dw; ++x) {
                const int tx = dx + x, ty = dy + y;
                if (tx < 0 || ty < 0 || tx >= window.width() || ty >= window.height()) {
                    continue;
                }
                window.setPixel(tx, ty, skin.pixel(sx + x * sw / dw, sy + y * sh / dh));
            }
        }
    }
    return window;
}

TEST_F(Assets, SkinHasItsSize) {
    EXPECT_EQ(load(QStringLiteral(":/frame/pmain.png")).size(), QSize(271, 218));
}

TEST_F(Assets, AssembledFrameHasNoSeams) {
    const QImage skin = load(QStringLiteral(":/frame/pmain.png"));
    ASSERT_EQ(skin.size(), QSize(271, 218));
    const QImage frame = assembleFrame(skin);
    // Every row is one colour across the middle, from inside the left corner to the minimise
    // image, so the stretched edges meet the corners without a step.
    for (int y = 0; y < 569; ++y) {
        const int right = y < 29 ? 716 : 740;
        for (int x = 31; x < right; ++x) {
            ASSERT_EQ(frame.pixel(x, y), frame.pixel(30, y)) << "row " << y << " at x " << x;
        }
    }
    // Every column of the side borders is one colour between the title and bottom bands.
    for (int x : {0, 1, 2, 3, 4, 5, 753, 754, 755, 756, 757, 758}) {
        for (int y = 29; y < 545; ++y) {
            ASSERT_EQ(frame.pixel(x, y), frame.pixel(x, 29)) << "column " << x << " at y " << y;
        }
    }
    // The title band is dark enough for the white title, and so is the bottom band for the
    // white notice; the body between them is light.
    EXPECT_LT(qGray(frame.pixel(300, 14)), 110);
    EXPECT_LT(qGray(frame.pixel(600, 558)), 110);
    EXPECT_GT(qGray(frame.pixel(750, 300)), 200);
}

TEST_F(Assets, CaptionImagesSitOverTheirNormalLooksInTheSkin) {
    // Immin and Imclose sit at window x = W - 630 and W - 315 twips (717 and 738 px), y = 5,
    // inside the top-right corner copied 1:1 from skin x 160; so at skin x 229 and 250. The
    // white glyph of each hover look must cover the glyph the skin draws there.
    const QImage skin = load(QStringLiteral(":/frame/pmain.png"));
    struct Item {
        const char* hover;
        int skinX;
    };
    for (const Item& item : {Item{":/frame/immin1.png", 229}, Item{":/frame/imclose1.png", 250}}) {
        const QImage hover = load(QString::fromLatin1(item.hover));
        int inSkin = 0, shared = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool skinWhite = qGray(skin.pixel(item.skinX + x, 5 + y)) > 235;
                const bool hoverWhite = qGray(hover.pixel(x, y)) > 235;
                inSkin += skinWhite;
                shared += skinWhite && hoverWhite;
            }
        }
        EXPECT_GE(inSkin, 10) << item.hover << ": no glyph drawn in the skin";
        EXPECT_GE(shared * 10, inSkin * 8) << item.hover << ": glyphs do not line up";
        EXPECT_GT(meanDistance(hover, skin.copy(item.skinX, 5, 16, 16)), 30.0)
            << item.hover << ": hover look hardly differs from the normal look";
    }
}

// --- Files in the data folder -----------------------------------------------------------------

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const QByteArray& b, int at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    }
    return v;
}

Wave readWave(const QString& path) {
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return wave;
    }
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        ADD_FAILURE() << path.toStdString() << " is not a RIFF WAVE file";
        return wave;
    }
    for (int at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const int size = static_cast<int>(le(b, at + 4, 4));
        const int body = at + 8;
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(le(b, body, 2));
            wave.channels = static_cast<int>(le(b, body + 2, 2));
            wave.rate = static_cast<int>(le(b, body + 4, 4));
            wave.bits = static_cast<int>(le(b, body + 14, 2));
        } else if (id == "data") {
            for (int i = 0; i + 1 < size && body + i + 1 < b.size(); i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le(b, body + i, 2)));
            }
        }
        at = body + size + (size & 1);
    }
    return wave;
}

// The strongest 50 ms stretch of a cue, by its root mean square.
double loudness(const Wave& wave) {
    const std::size_t window = static_cast<std::size_t>(wave.rate) * wave.channels / 20;
    double best = 0;
    for (std::size_t start = 0; start < wave.samples.size(); start += window / 10) {
        double sum = 0;
        for (std::size_t i = start; i < std::min(wave.samples.size(), start + window); ++i) {
            sum += double(wave.samples[i]) * wave.samples[i];
        }
        best = std::max(best, std::sqrt(sum / double(window)));
    }
    return best;
}

TEST(RuntimeFiles, CueSoundsAreShortEquallyLoud16BitPcm) {
    const QString dir = QStringLiteral(QUORVANE_RUNTIME_DIR);
    struct Cue {
        const char* name;
        double maxSeconds;
    };
    std::vector<double> levels;
    for (const Cue& cue : {Cue{"hit.wav", 0.1}, Cue{"and.wav", 1.0}, Cue{"gameover.wav", 1.0},
                           Cue{"gamewin.wav", 1.0}}) {
        const Wave wave = readWave(dir + QLatin1Char('/') + QLatin1String(cue.name));
        ASSERT_EQ(wave.format, 1) << cue.name << ": not PCM";
        ASSERT_EQ(wave.bits, 16) << cue.name;
        ASSERT_GE(wave.channels, 1) << cue.name;
        ASSERT_GE(wave.rate, 8000) << cue.name;
        const double seconds = double(wave.samples.size()) / wave.channels / wave.rate;
        EXPECT_GT(seconds, 0.02) << cue.name;
        EXPECT_LT(seconds, cue.maxSeconds) << cue.name;
        int peak = 0;
        for (std::int16_t s : wave.samples) {
            peak = std::max(peak, std::abs(int(s)));
        }
        EXPECT_LT(peak, 32767) << cue.name << " clips";
        levels.push_back(loudness(wave));
        EXPECT_GT(levels.back(), 1000.0) << cue.name << " is nearly silent";
    }
    const auto [low, high] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LT(20.0 * std::log10(*high / *low), 1.0) << "the cues differ in loudness";
}

TEST(RuntimeFiles, HelpPageLiesInTheDataFolder) {
    QFile file(QStringLiteral(QUORVANE_RUNTIME_DIR "/help.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<html")));
    EXPECT_TRUE(html.contains(QStringLiteral("游戏规则")));
    EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\"")));
}

}  // namespace
