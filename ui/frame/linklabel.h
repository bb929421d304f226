// SPDX-License-Identifier: MIT
// A caption that works as a link: a left click on it emits clicked().
#pragma once

#include <QLabel>

namespace quorvane::ui {

class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    // The left button came up over the label after a press on it.
    void clicked();

  protected:
    // Takes every press, so none reaches the window behind and starts a drag of the window.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quorvane::ui
