// The hidden picture form: every picture the engine copies onto the board and the time bar.
#pragma once

#include <QImage>
#include <array>

#include "engine/window.h"

namespace quorvane::ui {

class Form2Pictures {
  public:
    // Loads the compiled-in pictures. A picture that cannot be read becomes a plain grey image of
    // its proper size, so the game still runs and shows where something is missing.
    Form2Pictures();

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
};

// Loads an image from the resources, or a grey stand-in of the given size when it is missing.
QImage loadPicture(const QString& path, QSize expected);

}  // namespace quorvane::ui
