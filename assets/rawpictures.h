// SPDX-License-Identifier: MIT
// The 1x pictures as the pixels the game paints with, decoded at build time (tools/rawpictures.cpp)
// and built into the program's read-only data. Showing one costs no decoding and no copy: the image
// reads the program's own pages, which the system loads on first use and shares.
#pragma once

#include <QImage>
#include <QString>
#include <cstddef>
#include <span>

namespace quorvane {

struct RawPicture {
    const char* resource;  // the picture's name in the resources, e.g. ":/form2/picture3.png"
    std::size_t offset;    // where its pixels start in rawPixels(), a multiple of 64
    int width;
    int height;
    bool alpha;  // ARGB32 when true, RGB32 when false
};

// Every picture of assets.h, in the order the build named them, and the pixels they lie in.
std::span<const RawPicture> rawPictures();
const unsigned char* rawPixels();

// The picture of that resource name, over the built-in pixels (read-only: drawing on it makes a
// copy first); a null image when the name is not one of them.
QImage rawPicture(const QString& resource);

}  // namespace quorvane
