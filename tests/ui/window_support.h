// What the window tests share: a desktop that answers questions and records what is shown and
// opened, and where on the board a cell is.
#pragma once

#include <QPoint>
#include <QStringList>
#include <QUrl>

#include "engine/painting.h"
#include "ui/platform.h"

namespace quorvane::testing {

// Replaces the desktop for its lifetime.
struct RecordingDesktop {
    RecordingDesktop() : saved(ui::desktop()) {
        ui::desktop().askYesNo = [this](QWidget*, const QString& title, const QString& text) {
            questions.push_back(title + "|" + text);
            return answerYes;
        };
        ui::desktop().inform = [this](QWidget*, const QString& title, const QString& text) {
            informed.push_back(title + "|" + text);
        };
        ui::desktop().open = [this](const QUrl& url) { opened.push_back(url); };
    }
    ~RecordingDesktop() { ui::desktop() = saved; }
    RecordingDesktop(const RecordingDesktop&) = delete;
    RecordingDesktop& operator=(const RecordingDesktop&) = delete;

    ui::Desktop saved;
    bool answerYes = false;
    QStringList questions;
    QStringList informed;
    QList<QUrl> opened;
};

// The middle of a cell in the board view.
inline QPoint cellCentre(int row, int col) {
    return {cellLeft(col) + kCellSize / 2, cellTop(row) + kCellSize / 2};
}

}  // namespace quorvane::testing
