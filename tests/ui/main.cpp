// SPDX-License-Identifier: MIT
// Runs the window tests inside one application object, headless unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "assets/assets.h"
#include "ui/frmmain.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    quorvane::initAssets();
    quorvane::ui::initUiResources();
    // Keep the tests' settings away from the player's.
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir.path()));
    return RUN_ALL_TESTS();
}
