// SPDX-License-Identifier: MIT
// quorvane-pixelset: turns the 2x pictures into the pixels the game paints with, at build time.
//
//   quorvane-pixelset QRC OUT_DIR
//
// Reads every picture a resource file lists (its names as the program knows them: prefix, then
// alias or path, so a picture added in a subfolder needs nothing here) and writes each one to
// OUT_DIR as a pixel file (assets/pixelset.h has the layout), beside OUT_DIR/pixels.qrc, which
// lists them under the same names with the prefix kPixelSetRoot and without the extension. The
// resource compiler then stores them compressed; the game decompresses a picture when it first
// shows it, with no image plugin and no PNG decoding.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <QXmlStreamReader>
#include <cstdio>

#include "assets/pixelset.h"

namespace {

struct Listed {
    QString name;  // e.g. "form2/en/picture3@2x.png", as the resource knows it, without ":/"
    QString file;  // the path the resource file gives, relative to it
};

QList<Listed> listedPictures(const QString& qrcPath, bool* ok) {
    QList<Listed> pictures;
    QFile qrc(qrcPath);
    *ok = qrc.open(QIODevice::ReadOnly);
    if (!*ok) {
        return pictures;
    }
    QXmlStreamReader xml(&qrc);
    QString prefix;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("qresource")) {
            prefix = xml.attributes().value(QLatin1String("prefix")).toString();
        } else if (xml.name() == QLatin1String("file")) {
            const QString alias = xml.attributes().value(QLatin1String("alias")).toString();
            const QString file = xml.readElementText().trimmed();
            if (!file.endsWith(QLatin1String(".png"))) {
                continue;
            }
            QString name =
                QDir::cleanPath(prefix + QLatin1Char('/') + (alias.isEmpty() ? file : alias));
            while (name.startsWith(QLatin1Char('/'))) {
                name.remove(0, 1);
            }
            pictures.append({name, file});
        }
    }
    *ok = !xml.hasError();
    return pictures;
}

// The picture as the game paints it: 32 bits a pixel, alpha only where the picture has one.
QImage paintable(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

bool writePixels(const QString& path, const QImage& image) {
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const quorvane::PixelSetHeader header{
        quorvane::kPixelSetMagic, static_cast<quint32>(image.width()),
        static_cast<quint32>(image.height()), image.format() == QImage::Format_RGB32 ? 0U : 1U};
    const qint64 bytes = image.sizeInBytes();
    return out.write(reinterpret_cast<const char*>(&header), sizeof header) == sizeof header &&
           out.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: quorvane-pixelset QRC OUT_DIR\n", stderr);
        return 2;
    }
    const QString qrcPath = QString::fromLocal8Bit(argv[1]);
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const QDir qrcDir = QFileInfo(qrcPath).dir();

    bool ok = false;
    const QList<Listed> pictures = listedPictures(qrcPath, &ok);
    if (!ok) {
        std::fprintf(stderr, "quorvane-pixelset: cannot read %s\n", argv[1]);
        return 1;
    }
    QString list;
    QTextStream qrc(&list);
    qrc << "<!DOCTYPE RCC>\n<!-- Written by quorvane-pixelset at build time. -->\n"
        << "<RCC version=\"1.0\">\n  <qresource prefix=\"/"
        << QString::fromLatin1(quorvane::kPixelSetRoot) << "\">\n";
    for (const Listed& picture : pictures) {
        const QImage image = paintable(QImage(qrcDir.filePath(picture.file)));
        const QString name = quorvane::pixelSetName(picture.name);
        if (image.isNull() || !writePixels(outDir + QLatin1Char('/') + name, image)) {
            std::fprintf(stderr, "quorvane-pixelset: cannot turn %s into pixels\n",
                         qPrintable(picture.file));
            return 1;
        }
        qrc << "    <file>" << name << "</file>\n";
    }
    qrc << "  </qresource>\n</RCC>\n";
    qrc.flush();

    const QString qrcOut = outDir + QStringLiteral("/pixels.qrc");
    QFile out(qrcOut);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(list.toUtf8()) < 0) {
        std::fprintf(stderr, "quorvane-pixelset: cannot write %s\n", qPrintable(qrcOut));
        return 1;
    }
    return 0;
}
