// SPDX-License-Identifier: MIT
// What the game says about itself: the window's title, the about box's text and the two web pages
// it opens.
#pragma once

#include <QString>

class QWidget;

namespace quorvane::ui {

class LinkLabel;

// Reserved example addresses stand here until the real pages exist; this is the one place to
// change them.
inline constexpr const char* kProductPageUrl = "https://www.example.com/quorvane/";
inline constexpr const char* kGameChannelUrl = "https://games.example.org/";

// "Quorvane" and the version, e.g. "Quorvane 1.0.0".
QString gameTitle();

// Three lines, joined by CR LF: what the game is, the terms it comes under, and its version.
QString aboutText();

// The copyright notice at the foot of the window: a link to the product page, with its tooltip.
LinkLabel* makeNotice(QWidget* window);

// The help page in the data folder, in the game's language where it is there in it.
QString helpPage(const QString& dataDir);

// Opens the help page; a page that is not there only beeps, where the desktop would show an
// error of its own.
void openHelpPage(const QString& file);

}  // namespace quorvane::ui
