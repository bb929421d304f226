// SPDX-License-Identifier: MIT
// The pictures drawn at twice the resolution, for displays scaled above 100 %, and the loader that
// picks between them and the pictures of assets.h.
//
// Every picture of assets.h has a twin of exactly twice its size, named with Qt's "@2x"
// convention next to it: :/form2/picture1_00@2x.png (78 x 78) .. picture1_49@2x.png,
// picture2_0@2x.png .. picture2_3@2x.png, picture3@2x.png, picture4@2x.png, picture5_0@2x.png,
// picture5_1@2x.png, :/board/background@2x.png, :/board/tile_cursor@2x.png, :/frame/pmain@2x.png,
// immin1@2x.png, immin2@2x.png, imclose1@2x.png, imclose2@2x.png, imico@2x.png,
// button_cursor@2x.png; and the application icons of kIconSizes2x have :/icons/quorvane_<N>@2x.png.
// The twins are drawn from the same description as the 1x pictures, not blown up from them: a
// 1-pixel line is 2 pixels at the same place, and curves, text and fruit have twice the detail.
//
// They live in a resource of their own, in the library quorvane_assets_2x; a program that links
// it has them registered from its start (registering reads no picture). A program that links
// only quorvane_assets carries the 1x pictures alone.
//
// Two things a caller of the 2x pictures must double itself: a source rectangle given in pixels
// of the picture (the skin's eight copies), and the pointers' hot spots, which in the 64 x 64
// pointers are at (2 * kTileCursorHotX, 2 * kTileCursorHotY) and likewise for the button pointer.
#pragma once

#include <QImage>
#include <QString>

#include <array>

#include "assets.h"

namespace quorvane {

// Application icon sizes whose design has no larger size to stand in for it at 2x (at 48 and up
// the next size is the same design, drawn larger).
inline constexpr std::array<int, 3> kIconSizes2x = {16, 24, 32};

// Registers the 2x resource. Repeated calls do nothing; loadAsset makes sure of it itself.
void initAssets2x();

// The name of the 2x twin of a picture: ":/form2/picture3.png" -> ":/form2/picture3@2x.png".
QString assetPath2x(const QString& path);

// Loads a picture for a screen of device pixel ratio dpr. Above 1 (125 %, 150 %, 200 % ...) it
// reads the 2x twin and marks it with a device pixel ratio of 2, so that it paints at the size of
// the 1x picture with every pixel used; if there is no twin it reads the 1x picture. At 1 and
// below it reads the 1x picture and never touches the twin. A picture missing at both sizes
// gives a null image. A 1x picture comes from the pixels built into the program (rawpictures.h),
// read-only: painting on it makes a copy first.
QImage loadAsset(const QString& path, qreal dpr);

// An RGB32 image of `size` device pixels to draw on, made so that a 2x picture of the same size
// can be decompressed straight into it (decompressTwinInto). Memory touched for the first time
// costs a fault for every 4 KiB page, which on a virtual machine is dear: a canvas of 2 MiB or
// more takes whole 2 MiB pages where it fills them, and small pages for the rest, so it holds no
// more memory than it uses.
QImage newCanvas(QSize size);

// Decompresses the 2x twin of `path` over the pixels of `canvas`, an image from newCanvas that
// has not been copied since, when the twin has its size and no alpha: no buffer of its own, no
// copy. False, with nothing written, otherwise.
bool decompressTwinInto(const QString& path, QImage& canvas);

}  // namespace quorvane
