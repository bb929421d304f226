// The one setting the game keeps: where its window was, in twips, under application "Quorvane",
// section "SetLog", keys "frmMainX" and "frmMainY".
#pragma once

#include <QPoint>
#include <QString>

namespace quorvane::ui {

// Reads the saved position; a key that is missing or does not hold a whole number that fits a
// 32-bit integer gives the fallback's coordinate instead.
QPoint loadWindowPosition(QPoint fallback);

// Writes the position; a store that cannot be written is left alone silently.
void saveWindowPosition(QPoint twips);

// Parses a stored coordinate: optional blanks and sign, decimal digits, within 32 bits.
bool parseTwips(const QString& text, int& value);

}  // namespace quorvane::ui
