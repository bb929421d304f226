// SPDX-License-Identifier: MIT
// The window's skin: the frame painted from the skin picture with the icon and the title, the
// window's rounded outline, dragging the window by its frame (WindowDrag), and the close and
// minimise images.
#pragma once

#include <QCursor>
#include <QImage>
#include <QObject>
#include <QRegion>
#include <QString>

class QPainter;
class QWidget;

namespace quorvane::ui {

class FrameImage;
class WindowDrag;

class SkinnedFrame : public QObject {
    Q_OBJECT
  public:
    // Puts the title bar and the two images on the window; the window and its title bar drag it.
    SkinnedFrame(QWidget* window, QString title);

    // A left press on the widget, and a move with the button held, drags the window.
    void addDragSource(QWidget* widget);
    WindowDrag& drag() const { return *drag_; }

    // Places the title bar and the images along the top edge of the window's fixed size.
    void layOut();
    // Has the window paint its frame afresh.
    void paintSkin();
    // Draws the frame straight from the skin picture, with the icon and the title, only inside
    // the outline where that is what cuts the window's corners; the window's paint event calls it.
    // No picture of the whole frame is kept: the window's own buffer holds what was painted.
    void paint(QPainter& painter) const;

    // The window's outline: a rectangle with its corners rounded off.
    QRegion region() const;
    // Gives the window that outline.
    void applyRegion();

    QWidget* titleBar() const { return titleBar_; }
    FrameImage* closeImage() const { return closeImage_; }
    FrameImage* minimiseImage() const { return minimiseImage_; }

  signals:
    void closeClicked();
    void minimiseClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void clearHover();

    QWidget* window_;
    QString title_;
    qreal ratio_;  // the screen's device pixel ratio the pictures are chosen for
    QImage skin_;
    QImage icon_;
    QCursor buttonCursor_;
    QWidget* titleBar_ = nullptr;
    FrameImage* minimiseImage_ = nullptr;
    FrameImage* closeImage_ = nullptr;
    WindowDrag* drag_ = nullptr;
};

}  // namespace quorvane::ui
