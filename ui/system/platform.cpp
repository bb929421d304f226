// SPDX-License-Identifier: MIT
#include "ui/system/platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <cstdlib>

namespace quorvane::ui {

namespace {

Desktop makeRealDesktop() {
    Desktop d;
    d.askYesNo = [](QWidget* owner, const QString& title, const QString& text) {
        return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    d.inform = [](QWidget* owner, const QString& title, const QString& text) {
        QMessageBox::information(owner, title, text, QMessageBox::Ok);
    };
    d.fatal = [](QWidget* owner, const QString& text) {
        QMessageBox::critical(owner, QApplication::applicationName(), text, QMessageBox::Ok);
        std::_Exit(1);
    };
    d.open = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return d;
}

}  // namespace

Desktop& desktop() {
    static Desktop instance = makeRealDesktop();
    return instance;
}

QString dataDir() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" QUORVANE_DATADIR_FROM_BINDIR));
}

QString appFile(const QString& folder, const QString& fileName) {
    QString dir = folder;
    while (dir.endsWith('/') || dir.endsWith('\\')) {
        dir.chop(1);
    }
    QString name = fileName;
    while (name.startsWith('/') || name.startsWith('\\')) {
        name.remove(0, 1);
    }
    return dir + '/' + name;
}

}  // namespace quorvane::ui
