// SPDX-License-Identifier: MIT
#include "widgets/olecolor.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace qm {

int RoundHalfEven(double v) {
    double fl = std::floor(v);
    double diff = v - fl;
    if (diff > 0.5) {
        return static_cast<int>(fl) + 1;
    }
    if (diff < 0.5) {
        return static_cast<int>(fl);
    }
    auto f = static_cast<long long>(fl);
    return static_cast<int>(f % 2 == 0 ? f : f + 1);
}

namespace {

// The Windows system colour table, used where the palette has no fitting role or no application
// exists.
constexpr OleColor kWin32SystemColors[31] = {
    Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128),
    Rgb(212, 208, 200), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(212, 208, 200), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),
    Rgb(255, 255, 225), Rgb(181, 181, 181), Rgb(0, 0, 128),     Rgb(166, 202, 240),
    Rgb(192, 192, 192), Rgb(49, 106, 197),  Rgb(236, 233, 216)};

bool PaletteRole(int index, QPalette::ColorRole& role) {
    switch (index) {
        case 5:
            role = QPalette::Base;
            return true;
        case 8:
            role = QPalette::WindowText;
            return true;
        case 13:
            role = QPalette::Highlight;
            return true;
        case 14:
            role = QPalette::HighlightedText;
            return true;
        case 15:
            role = QPalette::Button;
            return true;
        case 16:
            role = QPalette::Dark;
            return true;
        case 18:
            role = QPalette::ButtonText;
            return true;
        case 20:
            role = QPalette::Light;
            return true;
        case 21:
            role = QPalette::Shadow;
            return true;
        case 22:
            role = QPalette::Midlight;
            return true;
        case 23:
            role = QPalette::ToolTipText;
            return true;
        case 24:
            role = QPalette::ToolTipBase;
            return true;
        case 26:
            role = QPalette::Link;
            return true;
        default:
            return false;
    }
}

}  // namespace

OleColor TranslateColor(OleColor color) {
    if ((color & kSystemColorFlag) == 0) {
        return color;
    }
    int index = static_cast<int>(color & 0xFF);
    QPalette::ColorRole role{};
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
        PaletteRole(index, role)) {
        return FromQRgb(QGuiApplication::palette().color(QPalette::Active, role).rgb());
    }
    return index < 31 ? kWin32SystemColors[index] : 0;
}

namespace {

// Channel split shared by shading and gradients. Green and blue are scaled by 256/255 before
// rounding, which lifts channels of 128 and more by one; the derived colours rely on it.
void SplitChannels(OleColor c, int& r, int& g, int& b) {
    r = static_cast<int>(c & 0xFF);
    g = RoundHalfEven(static_cast<double>(c & 0xFF00) / 255.0);
    b = RoundHalfEven(static_cast<double>(c & 0xFF0000) / 65280.0);
}

OleColor ShadeOnce(OleColor color, int delta, bool blueProportional, bool invert) {
    int r = 0;
    int g = 0;
    int b = 0;
    SplitChannels(color, r, g, b);
    r += delta;
    g += delta;
    // Integer division truncates toward zero, as the formula wants.
    b += blueProportional ? (delta * b) / 192 : delta;
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
    if (invert) {
        r = 255 - r;
        g = 255 - g;
        b = 255 - b;
    }
    return Rgb(r, g, b);
}

}  // namespace

OleColor ShadeColor(OleColor color, int delta, bool blueProportional, bool avoidExtremes,
                    bool invert) {
    OleColor result = ShadeOnce(color, delta, blueProportional, invert);
    // Flipping the delta cannot reach an extreme both ways unless |delta| is huge; the bound keeps
    // such a delta from looping forever (0 -> 64 -> -64 is the longest honest chain).
    for (int tries = 0; avoidExtremes && tries < 3 && (result == kBlack || result == kWhite);
         ++tries) {
        delta = delta == 0 ? 64 : -delta;
        result = ShadeOnce(color, delta, blueProportional, invert);
    }
    return result;
}

void GradientColors(OleColor a, OleColor b, int n, std::vector<OleColor>& out) {
    out.clear();
    if (n <= 0) {
        return;
    }
    out.push_back(a);
    if (n == 1) {
        return;  // a single band is the start colour; no step to divide by zero for
    }
    int ar = 0, ag = 0, ab = 0, br = 0, bg = 0, bb = 0;
    SplitChannels(a, ar, ag, ab);
    SplitChannels(b, br, bg, bb);
    double sr = static_cast<double>(br - ar) / (n - 1);
    double sg = static_cast<double>(bg - ag) / (n - 1);
    double sb = static_cast<double>(bb - ab) / (n - 1);
    double r = ar;
    double g = ag;
    double bl = ab;
    for (int i = 1; i < n; ++i) {
        r = std::clamp(r + sr, 0.0, 255.0);
        g = std::clamp(g + sg, 0.0, 255.0);
        bl = std::clamp(bl + sb, 0.0, 255.0);
        out.push_back(Rgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(bl)));
    }
}

}  // namespace qm
