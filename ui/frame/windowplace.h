// SPDX-License-Identifier: MIT
// Where the window stands, remembered in twips from one game to the next: read at load, kept on
// the screen, followed while the window is shown normally, written back at unload.
//
// Where the compositor places windows (Wayland) the game never learns where its window is: the
// remembered place is then neither followed nor written, and stays for a session that can use it.
#pragma once

#include <QPoint>

class QScreen;
class QWidget;

namespace quorvane::ui {

class WindowPlace {
  public:
    // The remembered place, or the middle of the screen.
    void load(const QScreen* screen);
    // Moves the window to the remembered place, brought wholly onto its screen where it fits.
    void moveOntoScreen(QWidget* window);
    // The window's place now, when it is shown normally: a minimised window may stand wherever
    // the window manager put its icon.
    void follow(const QWidget* window);
    // Writes the place down, followed to the last.
    void save(const QWidget* window);

    QPoint twips() const { return twips_; }

  private:
    QPoint twips_;
};

}  // namespace quorvane::ui
