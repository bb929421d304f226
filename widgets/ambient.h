// SPDX-License-Identifier: MIT
// What a container tells the buttons placed on it, and how design-time messages reach the user.
#pragma once

#include <QString>
#include <functional>

#include "widgets/olecolor.h"

class QWidget;

namespace qm {

class XPButton;

// The container's side of the conversation. A host either derives its container widget from this
// class (the buttons find it through their parent) or hands one to XPButton::SetAmbient. Without
// either, DefaultAmbient answers.
class XPAmbient {
  public:
    virtual ~XPAmbient() = default;
    // The container's back colour (an OLE colour; system colours allowed).
    virtual OleColor BackColor(const XPButton& button) const = 0;
    // The name a newly placed button takes as its caption.
    virtual QString DisplayName(const XPButton& button) const = 0;
    // True while the host runs; false while it is being designed (design-time messages show).
    virtual bool UserMode(const XPButton& button) const = 0;
    // Whether the button is to look like the default button just now.
    virtual bool DisplayAsDefault(const XPButton& button) const = 0;
};

// Run mode; the parent's background colour; the button's object name (or "XPButton"); the
// default look while the button holds the keyboard focus. The button itself tells this ambient's
// changes (focus in and out, the parent's palette) to itself.
class DefaultAmbient final : public XPAmbient {
  public:
    OleColor BackColor(const XPButton& button) const override;
    QString DisplayName(const XPButton& button) const override;
    bool UserMode(const XPButton& button) const override;
    bool DisplayAsDefault(const XPButton& button) const override;

    static DefaultAmbient& Instance();
};

// An information message box (one OK button). Replace it to capture or silence the messages; an
// empty function restores the standard box, titled with the application's display name.
using InfoMessageFn =
    std::function<void(QWidget* owner, const QString& text, const QString& title)>;
void SetInfoMessageFn(InfoMessageFn fn);
void ShowInfoMessage(QWidget* owner, const QString& text, const QString& title = QString());

}  // namespace qm
