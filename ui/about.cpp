// SPDX-License-Identifier: MIT
#include "ui/about.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "ui/frame/linklabel.h"
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
    return QStringLiteral("本程序《Quorvane》是一款经典好玩的小游戏。\r\n") +
           QStringLiteral("本程序是自由软件，依照 MIT 许可证发布。\r\n") +
           QStringLiteral("（当前程序版本为%1）").arg(versionText());
}

LinkLabel* makeNotice(QWidget* window) {
    QFile text(QStringLiteral(":/text/notice.txt"));
    const bool read = text.open(QIODevice::ReadOnly);
    auto* notice =
        new LinkLabel(read ? QString::fromUtf8(text.readAll()).trimmed() : QString(), window);
    notice->setStyleSheet(QStringLiteral("color: #ffffff;"));
    notice->setToolTip(QStringLiteral("查看版权所有者信息"));
    notice->adjustSize();
    return notice;
}

QString helpPage(const QString& appDir) {
    return appFile(appDir, QStringLiteral("help.html"));
}

void openHelpPage(const QString& file) {
    if (QFileInfo(file).isFile()) {
        desktop().open(QUrl::fromLocalFile(file));
    } else {
        QApplication::beep();
    }
}

}  // namespace quorvane::ui
