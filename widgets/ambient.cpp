// SPDX-License-Identifier: MIT
#include "widgets/ambient.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace qm {

namespace {

InfoMessageFn& MessageFn() {
    static InfoMessageFn fn;
    return fn;
}

}  // namespace

void SetInfoMessageFn(InfoMessageFn fn) {
    MessageFn() = std::move(fn);
}

void ShowInfoMessage(QWidget* owner, const QString& text, const QString& title) {
    const QString caption = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    if (MessageFn()) {
        MessageFn()(owner, text, caption);
        return;
    }
    QMessageBox::information(owner, caption, text);
}

}  // namespace qm
