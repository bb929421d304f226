#include "widgets/ambient.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "widgets/xpbutton.h"

namespace qm {

OleColor DefaultAmbient::BackColor(const XPButton& button) const {
    const QWidget* parent = button.parentWidget();
    if (parent == nullptr) {
        return kButtonFace;
    }
    return FromQRgb(parent->palette().color(parent->backgroundRole()).rgb());
}

QString DefaultAmbient::DisplayName(const XPButton& button) const {
    return button.objectName().isEmpty() ? QStringLiteral("XPButton") : button.objectName();
}

bool DefaultAmbient::UserMode(const XPButton&) const {
    return true;
}

bool DefaultAmbient::DisplayAsDefault(const XPButton& button) const {
    return button.hasFocus();
}

DefaultAmbient& DefaultAmbient::Instance() {
    static DefaultAmbient instance;
    return instance;
}

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
