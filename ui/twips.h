// Twips, the unit the window's layout and its remembered position are kept in: 15 to a pixel.
#pragma once

#include <QRect>
#include <cmath>

namespace quorvane::ui {

struct Twips {
    static constexpr int kPerPixel = 15;
    static constexpr int kWindowWidth = 11385;  // 759 pixels
    static constexpr int kWindowHeight = 8535;  // 569 pixels
};

// Twips to the nearest pixel.
inline int px(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(Twips::kPerPixel)));
}

inline QRect pxRect(int x, int y, int w, int h) {
    return {px(x), px(y), px(w), px(h)};
}

}  // namespace quorvane::ui
