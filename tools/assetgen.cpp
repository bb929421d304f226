// SPDX-License-Identifier: MIT
// quorvane-assetgen: draws every picture and synthesises every sound the game carries.
//
// Usage: quorvane-assetgen <assets-dir>
//
// Writes the tile faces, link pieces, banners (in each language the game speaks), time bar, board
// background, window skin and its button looks, icons, pointers, the notice text, the resource
// lists, the four cue sounds, two contact sheets and previews of the assembled window frame. Every
// picture is drawn twice from one description: at its own size, and at twice the size for scaled
// displays (Qt's "@2x" twin, e.g. form2/picture1_00@2x.png), where a 1-pixel line becomes 2 pixels
// at the same place and curves, text, gradients and fruit get the finer detail. The only inputs are
// fonts from Debian packages (fonts-noto-color-emoji, fonts-arphic-uming, fonts-dejavu-core), so a
// fresh machine makes the same files; running it twice gives identical bytes.
//
// The parts, one file each (makers.h lists what each makes):
//   output.cpp        where files go, PNG writing, the resource lists
//   paint.cpp         colours and palette, fonts and text, emoji glyphs, the scaled canvas
//   tiles.cpp         the fruit and the fifty tile faces
//   banners.cpp       link pieces, time bar, banners, board background
//   skin.cpp          the window skin and its caption images
//   icons.cpp         application icons, the frame's icon, the pointers
//   sounds.cpp        the four cues
//   preview.cpp       the window previews
//   contactsheet.cpp  the two review sheets
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <vector>

#include "makers.h"
#include "output.h"
#include "paint.h"

namespace quorvane::assetgen {
namespace {

// Everything at one scale.
PictureSet makePictures(const std::vector<QImage>& glyphs, int s) {
    PictureSet set;
    set.faces = makeTileFaces(glyphs, s);
    makeLinkPieces(s);
    const BannerWords own = ownBannerWords();
    set.pause = makePauseBanner(own, s);
    set.timeBar = makeTimeBar(s);
    set.gameOver = makeBanner(own.gameOver, own.path(QStringLiteral("picture5_0.png")), s);
    set.cleared = makeBanner(own.cleared, own.path(QStringLiteral("picture5_1.png")), s);
    for (const BannerWords& words : translatedBannerWords()) {
        makePauseBanner(words, s);
        if (!words.gameOver.text.isEmpty()) {
            makeBanner(words.gameOver, words.path(QStringLiteral("picture5_0.png")), s);
        }
        makeBanner(words.cleared, words.path(QStringLiteral("picture5_1.png")), s);
    }
    set.background = makeBackground(s);
    set.skin = makeSkin(s);
    makeCaptionButtonLooks(set.skin, s);
    makeIcons(set.skin, s);
    makeCursors(s);
    return set;
}

void makeNotice() {
    const QString notice = QStringLiteral("© 2026 Quorvane 开发组");
    writeBytes(QStringLiteral("text/notice.txt"), notice.toUtf8() + '\n');
    addResource(QStringLiteral("text/notice.txt"));
}

}  // namespace
}  // namespace quorvane::assetgen

int main(int argc, char** argv) {
    using namespace quorvane::assetgen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quorvane-assetgen <assets-dir>\n");
        return 2;
    }
    setOutDir(args[1]);
    loadFonts();

    const std::vector<QImage> glyphs = renderFruitGlyphs();
    const PictureSet one = makePictures(glyphs, 1);
    const PictureSet two = makePictures(glyphs, 2);
    makeNotice();
    makeSounds();
    writeResourceLists();
    // Last, as they read back some of the pictures and the notice.
    makePreviews(one, two);
    return 0;
}
