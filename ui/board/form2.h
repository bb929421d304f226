// SPDX-License-Identifier: MIT
// The hidden picture form: every picture the engine copies onto the board and the time bar.
#pragma once

#include <QImage>
#include <array>

#include "engine/window.h"
#include "ui/system/display.h"

namespace quorvane::ui {

class Form2Pictures {
  public:
    // Loads the compiled-in pictures for a screen of the given device pixel ratio: above 1 the
    // pictures drawn at twice the resolution, which paint at the size of the 1x ones. A picture
    // that cannot be read becomes a plain grey image of its proper size, so the game still runs
    // and shows where something is missing.
    explicit Form2Pictures(qreal ratio = startupPixelRatio());

    // The device pixel ratio the pictures were chosen for.
    qreal ratio() const { return ratio_; }
    const QImage& picture(Form2Picture which) const;
    const QImage& background() const { return background_; }

  private:
    std::array<QImage, 50> picture1_;
    std::array<QImage, 4> picture2_;
    QImage picture3_;
    QImage picture4_;
    std::array<QImage, 2> picture5_;
    QImage background_;
    QImage none_;
    qreal ratio_;
};

// Loads an image from the resources for a screen of device pixel ratio `ratio` (its 2x twin above
// 1), or a grey stand-in of the given size in logical pixels when it is missing.
QImage loadPicture(const QString& path, QSize expected, qreal ratio = 1.0);

}  // namespace quorvane::ui
