// SPDX-License-Identifier: MIT
// The button as assistive technology sees it: a push button, check box or radio button with the
// caption as its name. The interface is registered on the first button made; the button tells
// the changes of its caption and its checked, pressed and enabled states through these calls.
#pragma once

#include <QAccessible>
#include <QString>

class QObject;

namespace qm::accessibility {

// Registers the factory of the button's accessible interface once.
void InstallFactory();

// The caption as read aloud: "&&" is one ampersand, a single "&" (the access-key marker) goes,
// "||" (a line break) becomes a space.
QString PlainCaption(const QString& caption);

// Announcements, sent only while an assistive technology listens.
void NameChanged(QObject* button);
void StateChanged(QObject* button, QAccessible::State changed);

}  // namespace qm::accessibility
