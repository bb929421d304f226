// SPDX-License-Identifier: MIT
#include "ui/commandcolumn.h"

#include <QCoreApplication>
#include <QWidget>
#include <QtGlobal>

#include "ui/enginehost.h"
#include "ui/frame/twips.h"
#include "widgets/propertybag.h"
#include "widgets/xpbutton.h"

// The layout is compiled into this static library; register it before the first read.
static void initLayoutResource() {
    Q_INIT_RESOURCE(layout);
}

namespace quorvane::ui {

namespace {

// The captions buttons.layout gives, named here for the translation tools. The pause and hint
// buttons' captions are the engine's.
[[maybe_unused]] constexpr const char* kLayoutCaptions[] = {
    QT_TRANSLATE_NOOP("Buttons", "重新载入"),
    QT_TRANSLATE_NOOP("Buttons", "关于"),
    QT_TRANSLATE_NOOP("Buttons", "官方网站"),
    QT_TRANSLATE_NOOP("Buttons", "游戏频道"),
};

}  // namespace

QString buttonCaption(const QString& caption) {
    const QString engine = engineText(caption.toStdString());
    return engine != caption ? engine
                             : QCoreApplication::translate("Buttons", caption.toUtf8().constData());
}

void initUiResources() {
    initLayoutResource();
}

CommandColumn::CommandColumn(QWidget* window) {
    initUiResources();
    const qm::PropertyBag layout = qm::PropertyBag::Load(QStringLiteral(":/ui/buttons.layout"));
    QWidget* previous = nullptr;
    for (const CommandButton& place : kCommandButtons) {
        const QString name = QString::fromLatin1(place.name);
        // The buttons sit on the window itself: they take their back colour from it.
        auto* button = new qm::XPButton(window);
        button->setObjectName(name);
        button->ReadProperties(layout.Section(name));
        if (const QString shown = buttonCaption(button->caption()); shown != button->caption()) {
            button->setCaption(shown);
        }
        button->setGeometry(px(9960), px(place.topTwips), 80, 33);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, button);
        }
        previous = button;
        buttons_[static_cast<std::size_t>(place.command)] = button;
    }
}

qm::XPButton* CommandColumn::button(Command command) const {
    return buttons_.at(static_cast<std::size_t>(command));
}

std::optional<Command> CommandColumn::commandForKey(int key) {
    switch (key) {
        case Qt::Key_P:
        case Qt::Key_Pause:
            return Command::Pause;
        case Qt::Key_H:
            return Command::Hint;
        case Qt::Key_F2:
            return Command::Restart;
        default:
            return std::nullopt;
    }
}

void CommandColumn::clickForKey(int key) const {
    if (const std::optional<Command> command = commandForKey(key)) {
        qm::XPButton* pressed = button(*command);
        if (pressed->isEnabled() && !pressed->isHidden()) {
            pressed->PerformClick();
        }
    }
}

}  // namespace quorvane::ui
