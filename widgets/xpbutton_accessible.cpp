// SPDX-License-Identifier: MIT
#include "widgets/xpbutton_accessible.h"

#include <QAccessibleWidget>
#include <QKeySequence>

#include "widgets/xpbutton.h"

namespace qm::accessibility {

namespace {

class XPButtonAccessible : public QAccessibleWidget {
  public:
    explicit XPButtonAccessible(XPButton* button) : QAccessibleWidget(button) {}

    QAccessible::Role role() const override {
        switch (static_cast<ButtonType>(Button()->Mode())) {
            case ButtonType::Check:
                return QAccessible::CheckBox;
            case ButtonType::Option:
                return QAccessible::RadioButton;
            default:
                return QAccessible::Button;  // also named PushButton
        }
    }

    QString text(QAccessible::Text t) const override {
        const XPButton* b = Button();
        switch (t) {
            case QAccessible::Name:
                // A picture-only button has no caption: its tooltip names it then.
                if (!b->accessibleName().isEmpty()) {
                    return b->accessibleName();
                }
                if (const QString name = PlainCaption(b->caption()); !name.isEmpty()) {
                    return name;
                }
                return b->toolTip();
            case QAccessible::Description:
                if (!b->accessibleDescription().isEmpty()) {
                    return b->accessibleDescription();
                }
                // The role says what kind of button it is; a description only repeats it.
                if (!b->toolTip().isEmpty() && !PlainCaption(b->caption()).isEmpty()) {
                    return b->toolTip();
                }
                return {};
            case QAccessible::Accelerator:
                return AccessKeySequence();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const XPButton* b = Button();
        s.pressed = (b->StatusFlags() & XPButton::kPressed) != 0;
        s.hotTracked = b->HoverActive();
        if (b->Mode() != Stored(ButtonType::Command)) {
            s.checkable = true;
            s.checked = b->value();
        } else {
            s.defaultButton = (b->StatusFlags() & XPButton::kDefaultLook) != 0;
        }
        return s;
    }

    QStringList actionNames() const override {
        QStringList names{pressAction()};
        if (Button()->Mode() != Stored(ButtonType::Command)) {
            names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            if (Button()->isEnabled()) {
                Button()->PerformClick();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && !AccessKeySequence().isEmpty()) {
            return {AccessKeySequence()};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    XPButton* Button() const { return static_cast<XPButton*>(widget()); }

    QString AccessKeySequence() const {
        const QString keys = Button()->AccessKeys();
        if (keys.isEmpty()) {
            return {};
        }
        return QKeySequence::mnemonic(QStringLiteral("&") + keys.left(1))
            .toString(QKeySequence::NativeText);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(XPButton::staticMetaObject.className())) {
        if (auto* button = qobject_cast<XPButton*>(object)) {
            return new XPButtonAccessible(button);
        }
    }
    return nullptr;
}

}  // namespace

void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

QString PlainCaption(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        const bool pairFollows = i + 1 < caption.size() && caption[i + 1] == c;
        if (c == QLatin1Char('|') && pairFollows) {
            out += QLatin1Char(' ');
            ++i;
        } else if (c == QLatin1Char('&')) {
            if (pairFollows) {
                out += c;
                ++i;
            }
        } else {
            out += c;
        }
    }
    return out;
}

void NameChanged(QObject* button) {
    QAccessibleEvent event(button, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void StateChanged(QObject* button, QAccessible::State changed) {
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace qm::accessibility
