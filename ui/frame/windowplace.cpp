// SPDX-License-Identifier: MIT
#include "ui/frame/windowplace.h"

#include <QScreen>
#include <QWidget>

#include "ui/frame/twips.h"
#include "ui/system/display.h"
#include "ui/system/positionstore.h"

namespace quorvane::ui {

void WindowPlace::load(const QScreen* screen) {
    twips_ = loadWindowPosition(
        centredWindow(screen != nullptr ? screen->geometry().size() : QSize(1024, 768)));
}

void WindowPlace::moveOntoScreen(QWidget* window) {
    if (window->isMinimized() || !windowsCanBePlaced()) {
        return;  // a minimised window cannot be moved; the next restore brings it back
    }
    if (const QScreen* screen = window->screen(); screen != nullptr) {
        twips_ = windowOnScreen(twips_, screen->geometry().size());
    }
    twips_ = QPoint(std::max(twips_.x(), 0), std::max(twips_.y(), 0));
    window->move(px(twips_.x()), px(twips_.y()));
}

void WindowPlace::follow(const QWidget* window) {
    if (window->isVisible() && !window->isMinimized() && windowsCanBePlaced()) {
        twips_ = QPoint(window->x() * Twips::kPerPixel, window->y() * Twips::kPerPixel);
    }
}

void WindowPlace::save(const QWidget* window) {
    if (!windowsCanBePlaced()) {
        return;
    }
    follow(window);
    saveWindowPosition(twips_);
}

}  // namespace quorvane::ui
