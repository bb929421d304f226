// SPDX-License-Identifier: MIT
// What each part of the generator makes. Every maker of a picture draws it at scale s (1, or 2 for
// the "@2x" twin), saves it under assets/ and, where a later part needs it, hands it back.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

#include "assets.h"

namespace quorvane::assetgen {

// --- tiles.cpp: the fruit and the tile faces ------------------------------------------------

struct Fruit {
    const char* emoji;
    const char* name;
    std::uint32_t tint;  // face colour, chosen to set the fruit off and to keep kinds apart
};

// Kind k is entry k - 1.
extern const Fruit kFruits[quorvane::kTileKinds];

// The glyph of each kind's fruit, large, in kind order.
std::vector<QImage> renderFruitGlyphs();

// The fifty faces at scale s, saved; index k-1 is kind k normal, k+24 kind k selected.
std::vector<QImage> makeTileFaces(const std::vector<QImage>& glyphs, int s);

// --- banners.cpp: link pieces, time bar, banners, board background -------------------------

// A line of words on a banner and how it is drawn: thickened by `stroke`, letters apart by
// `spacing` pixels.
struct BannerLine {
    QString text;
    QFont font;
    double stroke = 0.0;
    double spacing = 0.0;
};

// The words of the three banners in one language; a line without text keeps the banner of the
// game's own language (Simplified Chinese, in form2/ itself; the others in form2/<language>/).
struct BannerWords {
    QString language;  // empty for the game's own, else "en" or "zh_TW"
    BannerLine paused, prompt, gameOver, cleared;
    QString path(const QString& name) const;  // "form2/en/picture3.png"
};

// The words in the game's own language, then in each of its translations.
BannerWords ownBannerWords();
std::vector<BannerWords> translatedBannerWords();

void makeLinkPieces(int s);
QImage makeTimeBar(int s);
QImage makePauseBanner(const BannerWords& words, int s);
QImage makeBanner(const BannerLine& line, const QString& rel, int s);
QImage makeBackground(int s);

// --- skin.cpp: the window skin and the looks of its caption images ---------------------------

QImage makeSkin(int s);
// The hover and pressed looks of the two caption images, cut from the skin drawn at scale s.
void makeCaptionButtonLooks(const QImage& skin, int s);

// --- icons.cpp: application icons, the frame's icon, pointers --------------------------------

void makeIcons(const QImage& skin, int s);
void makeCursors(int s);

// --- sounds.cpp: the four cues -----------------------------------------------------------------

void makeSounds();

// --- preview.cpp, contactsheet.cpp: pictures for review, not compiled in ---------------------

// The pictures of one scale that the previews show.
struct PictureSet {
    std::vector<QImage> faces;
    QImage pause, timeBar, gameOver, cleared, background, skin;
};

// The window previews under preview/, then the contact sheets (preview.cpp).
void makePreviews(const PictureSet& one, const PictureSet& two);

// The two contact sheets, of the 1x pictures with the window previews, and of the 2x pictures
// (contactsheet.cpp).
void makeContactSheets(const PictureSet& one, const PictureSet& two, const QImage& frame,
                       const QImage& window);

}  // namespace quorvane::assetgen
