// SPDX-License-Identifier: MIT
// How the window lays its frame out of the skin picture (:/frame/pmain.png): eight copies, the
// top, bottom, left and right edges stretched from a narrow slice of the skin, then the four
// corners copied as they are. All in twips, 15 to a pixel, the unit the window's layout is kept
// in. The skin is drawn for these copies; the previews and the checks of the skin make them too.
#pragma once

#include <array>

namespace quorvane {

inline constexpr int kWindowWidthTwips = 11385;  // 759 pixels
inline constexpr int kWindowHeightTwips = 8535;  // 569 pixels
inline constexpr int kSkinWidthTwips = 4065;     // 271 pixels
inline constexpr int kSkinHeightTwips = 3270;    // 218 pixels

// One copy: the rectangle d* of the window is painted from the rectangle s* of the skin.
struct SkinCopy {
    int dx, dy, dw, dh;
    int sx, sy, sw, sh;
};

inline constexpr std::array<SkinCopy, 8> kSkinCopies = [] {
    constexpr int W = kWindowWidthTwips, H = kWindowHeightTwips;
    constexpr int PW = kSkinWidthTwips, PH = kSkinHeightTwips;
    return std::array<SkinCopy, 8>{{
        {420, 0, W, 600, 420, 0, 120, 600},
        {420, H - 600, W, 600, 420, PH - 600, 120, 600},
        {0, 0, 200, H, 0, 880, 200, 40},
        {W - 200, 0, 200, H, PW - 200, 880, 200, 40},
        {0, 0, 450, 600, 0, 0, 450, 600},
        {0, H - 600, 450, 600, 0, PH - 600, 450, 600},
        {W - 1665, 0, 1665, 435, PW - 1665, 0, 1665, 435},
        {W - 1665, H - 525, 1665, 525, PW - 1665, PH - 525, 1665, 525},
    }};
}();

}  // namespace quorvane
