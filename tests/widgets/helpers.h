// SPDX-License-Identifier: MIT
// Shared fixtures for the widget tests: a container with a chosen ambient, event helpers and a
// virtual cursor for the hover timer.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "widgets/modqmtimer.h"
#include "widgets/xpbutton.h"

namespace qmtest {

using qm::OleColor;
using qm::XPButton;

// A container that answers the ambient questions as the test wants and records the keys it gets.
class Host : public QWidget, public qm::XPAmbient {
  public:
    bool runMode = true;
    bool looksDefault = false;
    OleColor back = qm::Rgb(240, 240, 240);
    std::vector<int> keysReceived;
    std::vector<int> keysReleased;

    OleColor BackColor(const XPButton&) const override { return back; }
    QString DisplayName(const XPButton&) const override { return QStringLiteral("XPButton1"); }
    bool UserMode(const XPButton&) const override { return runMode; }
    bool DisplayAsDefault(const XPButton&) const override { return looksDefault; }

  protected:
    void keyPressEvent(QKeyEvent* e) override { keysReceived.push_back(e->key()); }
    void keyReleaseEvent(QKeyEvent* e) override { keysReleased.push_back(e->key()); }
};

// The widget under the virtual cursor, for the hover timer.
inline QWidget*& CursorOver() {
    static QWidget* over = nullptr;
    return over;
}

class WidgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host = std::make_unique<Host>();
        host->resize(400, 300);
        CursorOver() = nullptr;
        qm::modQmTimer::SetWindowFromCursorFn([] { return CursorOver(); });
        qm::SetInfoMessageFn([this](QWidget*, const QString& text, const QString& title) {
            messages.push_back(text);
            titles.push_back(title);
        });
    }
    void TearDown() override {
        host.reset();
        qm::modQmTimer::SetWindowFromCursorFn({});
        qm::SetInfoMessageFn({});
    }

    // A button of w x h with a plain RGB back colour, drawn once.
    XPButton* Make(int w = 80, int h = 33, int style = 0, int shape = 0) {
        auto* b = new XPButton(host.get());
        b->resize(w, h);
        b->setBackColor(qm::Rgb(200, 200, 200));
        b->setButtonStyle(style);
        b->setButtonShape(shape);
        b->Refresh();
        return b;
    }

    static void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // The cursor enters the button (the hover timer then sees it there).
    static void Enter(XPButton* b, QPoint pos = {10, 10}) {
        CursorOver() = b;
        Mouse(b, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    }
    static void Press(XPButton* b, QPoint pos = {10, 10}) {
        Mouse(b, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    }
    static void Release(XPButton* b, QPoint pos = {10, 10}) {
        Mouse(b, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
    static void Key(QWidget* w, QEvent::Type type, int key) {
        QKeyEvent e(type, key, Qt::NoModifier,
                    key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QApplication::sendEvent(w, &e);
    }

    static QRgb Px(const XPButton* b, int x, int y) {
        return b->Buffer().pixel(x, y) | 0xFF000000u;
    }
    static QRgb Q(OleColor c) { return qm::ToQRgb(c); }

    std::unique_ptr<Host> host;
    std::vector<QString> messages;
    std::vector<QString> titles;
};

}  // namespace qmtest
