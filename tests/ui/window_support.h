// SPDX-License-Identifier: MIT
// What the window tests share: a desktop that answers questions and records what is shown and
// opened, a fresh window for each test, and where on the board a cell is.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPoint>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "engine/painting.h"
#include "ui/board/boardview.h"
#include "ui/commandcolumn.h"
#include "ui/frmmain.h"
#include "ui/system/platform.h"
#include "ui/system/positionstore.h"
#include "widgets/xpbutton.h"

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

// Points the game's settings at a folder of the test's own while it lives, as a player's own
// configuration folder would be.
class SettingsFolder {
  public:
    explicit SettingsFolder(const QString& folder) : saved_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    }
    ~SettingsFolder() { qputenv("XDG_CONFIG_HOME", saved_); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

  private:
    QByteArray saved_;
};

// A main window dealt afresh for each test, with no remembered position, on a recording desktop.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(ui::settingsFile());
        window = std::make_unique<ui::FrmMainWindow>(ui::dataDir());
        window->Form_Load();
    }
    void TearDown() override { window.reset(); }

    ui::BoardView* boardView() const { return window->boardView(); }
    qm::XPButton* button(ui::Command command) const { return window->commands().button(command); }

    RecordingDesktop desk;  // outlives the window
    std::unique_ptr<ui::FrmMainWindow> window;
};

// The middle of a cell in the board view.
inline QPoint cellCentre(int row, int col) {
    return {cellLeft(col) + kCellSize / 2, cellTop(row) + kCellSize / 2};
}

}  // namespace quorvane::testing
