// SPDX-License-Identifier: MIT
// Twips, the unit the window's layout and its remembered position are kept in: 15 to a pixel.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
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

// Where the window stands centred on a screen of that many pixels, in twips.
inline QPoint centredWindow(QSize screenPixels) {
    return {(screenPixels.width() * Twips::kPerPixel - Twips::kWindowWidth) / 2,
            (screenPixels.height() * Twips::kPerPixel - Twips::kWindowHeight) / 2};
}

// The window's position moved wholly onto a screen of that many pixels where it fits, and never
// above or left of it: on a screen smaller than the window (a small one scaled to 150 %) the
// title band stays within reach.
inline QPoint windowOnScreen(QPoint twips, QSize screenPixels) {
    const int right = screenPixels.width() * Twips::kPerPixel - Twips::kWindowWidth;
    const int bottom = screenPixels.height() * Twips::kPerPixel - Twips::kWindowHeight;
    return {std::max(std::min(twips.x(), right), 0), std::max(std::min(twips.y(), bottom), 0)};
}

}  // namespace quorvane::ui
