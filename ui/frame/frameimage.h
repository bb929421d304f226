// SPDX-License-Identifier: MIT
// The close and minimise images of the skinned frame. In their normal look they show nothing, so
// the skin painted underneath shows through; hover and pressed looks are pictures of their own,
// drawn at their logical size whatever their device pixel ratio.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace quorvane::ui {

class FrameImage : public QWidget {
    Q_OBJECT
  public:
    FrameImage(QImage hover, QImage pressed, QWidget* parent = nullptr);

    // "1" while the hover look shows, empty otherwise; the pressed look keeps the tag it found.
    const QString& tag() const { return tag_; }
    // What shows now: nullptr for the normal look.
    const QImage* shown() const { return shown_; }

    // Back to the normal look when the hover tag is set: the pointer moved on to the frame.
    void clearHover();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void pointerMoved();    // normal -> hover, once
    void buttonPressed();   // any look -> pressed
    void buttonReleased();  // back to normal
    void setLook(const QImage* picture);

    QImage hover_;
    QImage pressed_;
    const QImage* shown_ = nullptr;
    QString tag_;
};

}  // namespace quorvane::ui
