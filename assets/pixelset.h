// SPDX-License-Identifier: MIT
// The 2x pictures as the game carries them: each one a pixel file, stored compressed in a resource
// of its own (made at build time by tools/pixelset.cpp from quorvane_assets_2x.qrc) and
// decompressed when the game first shows it. A pixel file is a PixelSetHeader followed by the
// rows, 4 bytes a pixel (QImage::Format_RGB32, or Format_ARGB32 when the picture has alpha),
// without padding.
#pragma once

#include <QString>
#include <QtGlobal>

namespace quorvane {

inline constexpr quint32 kPixelSetMagic = 0x58505651;  // "QVPX" in the file, little end first

struct PixelSetHeader {
    quint32 magic;
    quint32 width;
    quint32 height;
    quint32 alpha;  // 1 for ARGB32, 0 for RGB32
};
static_assert(sizeof(PixelSetHeader) == 16, "the rows start 16 bytes in, 4-byte aligned");

// The folder of the resources the pixel files lie in: ":/pixels2x/...".
inline constexpr char kPixelSetRoot[] = "pixels2x";

// The pixel file of a picture, by the picture's resource name without ":/":
// "form2/en/picture3@2x.png" -> "form2/en/picture3@2x.px".
inline QString pixelSetName(const QString& picture) {
    const qsizetype dot = picture.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = picture.lastIndexOf(QLatin1Char('/'));
    return (dot > slash ? picture.left(dot) : picture) + QLatin1String(".px");
}

}  // namespace quorvane
