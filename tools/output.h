// SPDX-License-Identifier: MIT
// Where the generator's files go, and the resource lists that name the pictures among them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorvane::assetgen {

// The assets folder every path below is relative to; set once, before anything is written.
void setOutDir(const QString& dir);

// The full path of a file in the assets folder, for reading back what was written.
QString outFile(const QString& rel);

// Prints the message and ends the program.
[[noreturn]] void fail(const QString& message);

void writeBytes(const QString& rel, const QByteArray& bytes);

// Writes a PNG that is the same on every machine. A resource goes into the game's resource list:
// an "@2x" twin into the list of the 2x pictures, anything else into the main one.
void savePng(const QImage& image, const QString& rel, bool resource = true);

// Adds a file that is not a picture to the main resource list.
void addResource(const QString& rel);

// Writes the two resource lists, with the paths the game loads the files by.
void writeResourceLists();

// The name of a picture drawn at scale s: the name itself at 1, Qt's "@2x" twin beside it at 2.
QString atScale(const QString& rel, int s);

}  // namespace quorvane::assetgen
