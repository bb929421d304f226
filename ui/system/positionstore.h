// SPDX-License-Identifier: MIT
// The one setting the game keeps: where its window was, in twips, in the INI file
// "Quorvane/Quorvane.ini" of the player's configuration folder, section "SetLog", keys "frmMainX"
// and "frmMainY".
//
// The file is read and edited here as text rather than through QSettings. QSettings parses and
// rewrites the whole file on every save (seconds for a file grown huge by damage) and opens
// whatever sits at the path, so a pipe there would block the start for ever. Here only plain
// files are read, and a save copies every other byte of the file as it was.
#pragma once

#include <QPoint>
#include <QString>

namespace quorvane::ui {

// The file's path: $XDG_CONFIG_HOME (or ~/.config) followed by "Quorvane/Quorvane.ini".
QString settingsFile();

// Reads the saved position; a key that is missing or does not hold a whole number that fits a
// 32-bit integer gives the fallback's coordinate instead. Anything but a plain file at the path
// (a pipe, a socket, a device, a folder) reads as no file.
QPoint loadWindowPosition(QPoint fallback);

// Writes the position; a store that cannot be written, or that is not a plain file, is left alone
// silently.
void saveWindowPosition(QPoint twips);

// Parses a stored coordinate: optional blanks and sign, decimal digits, within 32 bits.
bool parseTwips(const QString& text, int& value);

}  // namespace quorvane::ui
