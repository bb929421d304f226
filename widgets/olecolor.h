// SPDX-License-Identifier: MIT
// Colour arithmetic of the button: 32-bit OLE colours, system colours and shading.
//
// An OLE colour is 0x00BBGGRR, or 0x80000000 + n for system colour n. All arithmetic here works
// on the RGB form; the buffer wants QRgb (0xAARRGGBB), so convert at the last moment.
#pragma once

#include <QRgb>
#include <cstdint>
#include <vector>

namespace qm {

using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;
inline constexpr OleColor kButtonFace = 0x8000000Fu;  // system colour 15
inline constexpr OleColor kButtonText = 0x80000012u;  // system colour 18
inline constexpr OleColor kWhite = 0xFFFFFFu;
inline constexpr OleColor kGrey = 0x808080u;
inline constexpr OleColor kBlack = 0x000000u;
inline constexpr std::int64_t kNoColor = -1;  // "no line" / "no fill" in colour parameters

constexpr OleColor Rgb(int r, int g, int b) {
    return static_cast<OleColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// A system colour reference becomes the current RGB of that colour; any other value is returned.
OleColor TranslateColor(OleColor color);

// Lightens (delta > 0) or darkens a colour; see the .cpp for the exact channel arithmetic.
OleColor ShadeColor(OleColor color, int delta, bool blueProportional = false,
                    bool avoidExtremes = false, bool invert = false);

// The colours of n gradient bands from a to b, first band exactly a.
void GradientColors(OleColor a, OleColor b, int n, std::vector<OleColor>& out);

inline QRgb ToQRgb(OleColor rgb) {
    return qRgb(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}
inline OleColor FromQRgb(QRgb c) {
    return Rgb(qRed(c), qGreen(c), qBlue(c));
}

// Round to nearest, halves to even: the rounding every colour formula of the button uses.
int RoundHalfEven(double v);

}  // namespace qm
