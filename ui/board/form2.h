// SPDX-License-Identifier: MIT
// The hidden picture form: every picture the engine copies onto the board and the time bar.
#pragma once

#include <QImage>
#include <QObject>
#include <array>

#include "engine/window.h"
#include "ui/system/display.h"

namespace quorvane::ui {

class Form2Pictures {
  public:
    // The compiled-in pictures for a screen of the given device pixel ratio: above 1 the pictures
    // drawn at twice the resolution, which paint at the size of the 1x ones. Each is read when it
    // is first asked for: a banner or a picked tile costs nothing before it shows. A picture that
    // cannot be read becomes a plain grey image of its proper size, so the game still runs and
    // shows where something is missing.
    explicit Form2Pictures(qreal ratio = startupPixelRatio());

    // The device pixel ratio the pictures were chosen for.
    qreal ratio() const { return ratio_; }
    const QImage& picture(Form2Picture which) const;
    // The board's own picture. Above 1x it is decompressed when asked for and let go once control
    // is back in the event loop: the board keeps it painted, and between two levels 4.7 MB is
    // not worth holding for the millisecond or two it takes to make again.
    QImage background() const;
    // Writes the background over a canvas of its device size made by newCanvas (assets2x.h),
    // straight from the compressed pixels: at 2x, where the two match, nothing else is made or
    // copied. False where that cannot be done; background() is the way then.
    bool backgroundInto(QImage& canvas) const;

  private:
    const QImage& load(QImage& slot, const QString& path, QSize size) const;
    // The same for a banner with words on it, in the game's language where it is drawn in it.
    const QImage& loadBanner(QImage& slot, const QString& path, QSize size) const;

    mutable std::array<QImage, 50> picture1_;
    mutable std::array<QImage, 4> picture2_;
    mutable QImage picture3_;
    mutable QImage picture4_;
    mutable std::array<QImage, 2> picture5_;
    mutable QImage background_;
    QImage none_;
    qreal ratio_;
    QObject releaser_;  // the background's let-go runs while the pictures live
};

// Loads an image from the resources for a screen of device pixel ratio `ratio` (its 2x twin above
// 1), or a grey stand-in of the given size in logical pixels when it is missing.
QImage loadPicture(const QString& path, QSize expected, qreal ratio = 1.0);

}  // namespace quorvane::ui
