// SPDX-License-Identifier: MIT
#include "ui/about.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "ui/frame/linklabel.h"
#include "ui/system/language.h"
#include "ui/system/platform.h"
#include "version.h"

namespace quorvane::ui {

namespace {

QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
}

}  // namespace

QString gameTitle() {
    return QStringLiteral("Quorvane ") + versionText();
}

QString aboutText() {
    return QCoreApplication::translate("About", "本程序《Quorvane》是一款经典好玩的小游戏。") +
           QStringLiteral("\r\n") +
           QCoreApplication::translate("About", "本程序是自由软件，依照 MIT 许可证发布。") +
           QStringLiteral("\r\n") +
           QCoreApplication::translate("About", "（当前程序版本为%1）").arg(versionText());
}

LinkLabel* makeNotice(QWidget* window) {
    // The notice as the resources hold it, named here for the translation tools.
    static_cast<void>(QT_TRANSLATE_NOOP("About", "© 2026 Quorvane 开发组"));
    QFile text(QStringLiteral(":/text/notice.txt"));
    const bool read = text.open(QIODevice::ReadOnly);
    const QByteArray written = read ? text.readAll().trimmed() : QByteArray();
    auto* notice = new LinkLabel(QCoreApplication::translate("About", written.constData()), window);
    notice->setStyleSheet(QStringLiteral("color: #ffffff;"));
    notice->setToolTip(QCoreApplication::translate("About", "查看版权所有者信息"));
    notice->adjustSize();
    return notice;
}

QString helpPage(const QString& dataDir) {
    // In the game's language where the page is there in it.
    for (const QString& language : languageFallbacks(gameLanguage())) {
        const QString page = appFile(dataDir, fileNameFor(QStringLiteral("help.html"), language));
        if (QFileInfo(page).isFile()) {
            return page;
        }
    }
    return appFile(dataDir, QStringLiteral("help.html"));
}

void openHelpPage(const QString& file) {
    if (QFileInfo(file).isFile()) {
        desktop().open(QUrl::fromLocalFile(file));
    } else {
        QApplication::beep();
    }
}

}  // namespace quorvane::ui
