// SPDX-License-Identifier: MIT
// What the game adapts to the display it runs on: the screen's device pixel ratio (which picture
// set it loads, the resolution of its kept images, its fonts and pointers) and what the window
// system lets a program do with its own window.
#pragma once

#include <QCursor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <thread>

#include "ui/system/language.h"

namespace quorvane::ui {

// The device pixel ratio of the screen the window opens on (the primary one); 1 without a screen.
qreal startupPixelRatio();

// Whether a picture drawn for ratio `pictureRatio` reaches a screen of ratio `screenRatio` by
// repeating whole pixels (1, 2, 3 ... device pixels for each of its own). Otherwise it has to be
// resampled, which is done smoothly so that no pixel is doubled and its neighbour not.
bool wholePixelScale(qreal screenRatio, qreal pictureRatio);

// The device pixels of a logical rectangle: logical x covers device columns qRound(x r) to
// qRound((x + 1) r) - 1, as the widgets' raster canvas and Qt's scaled window masks count them,
// so rectangles and lines drawn on one image meet without gaps or overlaps.
QRect toDevice(QRect logical, qreal ratio);

// The Song face the buttons ask for ("宋体") and the face of every other label. At ratio 1 the
// buttons take the 12-pixel bitmap Song and labels keep the default face, as ever; on a scaled
// screen a bitmap face cannot grow, so the buttons take the scalable "AR PL UMing CN" first (its
// Taiwanese twin in Traditional Chinese) and the labels' Chinese glyphs come from it too, at the
// same point size. In a language not written in Chinese the buttons take a sans face made for
// Latin letters. Call once at
// start, with the ratio of startupPixelRatio() and the game's language.
void setUpFonts(qreal ratio, const QString& language);

// Lets go of the pages of the font files mapped so far: the text library maps a font file whole
// and the system brings in the neighbours of every page read, so a few dozen glyphs hold
// megabytes of a large face. What is read again later comes back a page at a time, from the
// system's cache. Call once the first frame is shown.
void releaseFontPages();

// Reads the system's font configuration on a thread of its own, begun at construction, so that
// the first text the window lays out finds it read. finish() (and the destructor) waits for it.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
    void finish();

  private:
    std::thread thread_;
};

// A pointer made from one of the game's 32 x 32 pointer pictures with its hot spot in pixels of
// that picture. On a scaled screen the pointer is drawn from the 2x twin at the screen's size,
// and the hot spot is given in the unit the window system expects.
QCursor pointerCursor(const QString& path, QPoint hotSpot, qreal ratio);

// Whether the window system lets a program place its own top-level window. A Wayland compositor
// places windows itself: moving one is ignored and its position cannot be read back.
bool windowsCanBePlaced();

// Whether the window's rounded outline is made by leaving the pixels outside it transparent
// (a compositor blends them with the desktop) rather than by an X11 window shape. Wayland has
// only the former; X11 shapes work with and without a compositor.
bool outlineByTransparency();

}  // namespace quorvane::ui
