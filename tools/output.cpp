// SPDX-License-Identifier: MIT
#include "output.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace quorvane::assetgen {

namespace {

QString gOutDir;
QStringList gResources;    // paths relative to gOutDir that go into the resource file
QStringList gResources2x;  // the "@2x" twins, which go into a resource file of their own

QString outPath(const QString& rel) {
    const QString path = outFile(rel);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        fail(QStringLiteral("cannot create the folder of %1").arg(path));
    }
    return path;
}

// Writes a resource file listing the pictures by the paths the game loads them by.
void writeQrc(QStringList resources, const QString& rel) {
    QByteArray qrc =
        "<!DOCTYPE RCC>\n<!-- Written by quorvane-assetgen. -->\n<RCC version=\"1.0\">\n";
    // Pictures in a folder of their own (a language's banners, form2/en/...) go last, so that the
    // game's pixels built from this list keep what every start reads together, and what only one
    // language reads apart.
    resources.sort();
    std::stable_sort(resources.begin(), resources.end(), [](const QString& a, const QString& b) {
        return a.count(QLatin1Char('/')) < b.count(QLatin1Char('/'));
    });
    QString lastPrefix;
    for (const QString& file : resources) {
        const int slash = file.indexOf(QLatin1Char('/'));
        const QString prefix = QLatin1Char('/') + file.left(slash);
        if (prefix != lastPrefix) {
            if (!lastPrefix.isEmpty()) {
                qrc += "  </qresource>\n";
            }
            qrc += "  <qresource prefix=\"" + prefix.toUtf8() + "\">\n";
            lastPrefix = prefix;
        }
        qrc += "    <file alias=\"" + file.mid(slash + 1).toUtf8() + "\">" + file.toUtf8() +
               "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    writeBytes(rel, qrc);
}

}  // namespace

void setOutDir(const QString& dir) {
    gOutDir = QDir(dir).absolutePath();
}

QString outFile(const QString& rel) {
    return gOutDir + QLatin1Char('/') + rel;
}

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "quorvane-assetgen: %s\n", qPrintable(message));
    std::exit(1);
}

void writeBytes(const QString& rel, const QByteArray& bytes) {
    QSaveFile file(outPath(rel));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(QStringLiteral("cannot write %1").arg(rel));
    }
}

void savePng(const QImage& image, const QString& rel, bool resource) {
    QImage out = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                         : image.convertToFormat(QImage::Format_RGB32);
    // Fixed density, so that nothing about the machine ends up in the file.
    out.setDotsPerMeterX(3780);
    out.setDotsPerMeterY(3780);
    QSaveFile file(outPath(rel));
    if (!file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1").arg(rel));
    }
    QImageWriter writer(&file, "png");
    writer.setCompression(100);
    if (!writer.write(out) || !file.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(rel, writer.errorString()));
    }
    if (resource) {
        (rel.contains(QLatin1String("@2x.")) ? gResources2x : gResources) << rel;
    }
}

void addResource(const QString& rel) {
    gResources << rel;
}

void writeResourceLists() {
    // The 2x twins have a list of their own, compiled into a library of their own, so that a
    // program that has no use for them does not carry them.
    writeQrc(gResources, QStringLiteral("quorvane_assets.qrc"));
    writeQrc(gResources2x, QStringLiteral("quorvane_assets_2x.qrc"));
}

QString atScale(const QString& rel, int s) {
    if (s == 1) {
        return rel;
    }
    QString name = rel;
    return name.insert(rel.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(s));
}

}  // namespace quorvane::assetgen
