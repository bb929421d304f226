// SPDX-License-Identifier: MIT
// What the window asks of the desktop: message boxes, opening addresses and files, sounds.
// Each is a replaceable function so tests can answer questions and record what was opened.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace quorvane::ui {

struct Desktop {
    // A Yes/No question with a question icon and No as the default; true means Yes.
    std::function<bool(QWidget* owner, const QString& title, const QString& text)> askYesNo;
    // An information box with only an OK button.
    std::function<void(QWidget* owner, const QString& title, const QString& text)> inform;
    // Shows the message with only an OK button and ends the program at once.
    std::function<void(QWidget* owner, const QString& text)> fatal;
    // Opens an address or a file in the user's browser or viewer; failures are ignored.
    std::function<void(const QUrl& url)> open;
};

// The desktop the window uses; starts with the real message boxes and desktop services.
Desktop& desktop();

// The folder of the sounds and the help page: set at build time relative to the program's folder
// (share/games/quorvane beside games/ when installed), so an installed game and one in its build
// tree each find their own.
QString dataDir();

// A folder and a file name joined with exactly one separator between them, whether or not the
// folder ends in one. The name may start with a separator of either kind.
QString appFile(const QString& folder, const QString& fileName);

}  // namespace quorvane::ui
