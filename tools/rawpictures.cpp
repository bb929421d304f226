// SPDX-License-Identifier: MIT
// quorvane-rawpictures: turns the 1x pictures into the pixels the game paints with, at build time.
//
//   quorvane-rawpictures BLOB SOURCE ASSETS_DIR PICTURE...
//
// Each PICTURE (a path under ASSETS_DIR such as form2/picture1_00.png, named in the program as
// :/form2/picture1_00.png) is decoded once here and written to BLOB as 32-bit pixels: opaque
// pictures as RGB32, the others as ARGB32 (what reading the file gives), each starting on a 64-byte
// boundary. SOURCE is a C++ file that builds BLOB into the program and lists where each picture
// lies; the game then shows a picture without decoding or copying it (assets/rawpictures.h).
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr qsizetype kAlignment = 64;

struct Entry {
    QString resource;
    qsizetype offset;
    QImage image;
};

// The picture as the game paints it: 32 bits a pixel, alpha only where the picture has one.
QImage paintable(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

// The text as a double-quoted string literal, as C++ and the assembler both read one.
QString cString(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    quoted.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The digest of the pixels goes into the source too, so that a compiler cache, which sees the
// source but not the file it includes, never hands back an object with older pixels.
bool writeSource(const QString& path, const QString& blobPath, const QList<Entry>& entries,
                 const QByteArray& blob) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    // The assembler's directives, each one a C string in the source; the blob's path is quoted
    // for the assembler first.
    const QStringList directives = {
        QStringLiteral(".section .rodata.quorvane_raw_pictures,\"a\""),
        QStringLiteral("# pixels sha256 ") +
            QString::fromLatin1(QCryptographicHash::hash(blob, QCryptographicHash::Sha256).toHex()),
        QStringLiteral(".balign %1").arg(kAlignment),
        QStringLiteral(".globl quorvane_raw_pixels"),
        QStringLiteral(".hidden quorvane_raw_pixels"),
        QStringLiteral(".type quorvane_raw_pixels, @object"),
        QStringLiteral("quorvane_raw_pixels:"),
        QStringLiteral(".incbin ") + cString(blobPath),
        QStringLiteral(".size quorvane_raw_pixels, %1").arg(blob.size()),
        QStringLiteral(".previous"),
    };
    QTextStream out(&file);
    out << "// Written by quorvane-rawpictures at build time.\n"
        << "#include \"assets/rawpictures.h\"\n\n"
        << "// The pixels, in the program's read-only data, each picture on a 64-byte boundary.\n"
        << "asm(";
    for (const QString& directive : directives) {
        out << "\n    " << cString(directive + QLatin1Char('\n'));
    }
    out << ");\n\n"
        << "extern \"C\" const unsigned char quorvane_raw_pixels[];\n\n"
        << "namespace quorvane {\n\n"
        << "namespace {\n\n"
        << "const RawPicture kPictures[] = {\n";
    for (const Entry& entry : entries) {
        out << "    {" << cString(entry.resource) << ", " << entry.offset << ", "
            << entry.image.width() << ", " << entry.image.height() << ", "
            << (entry.image.format() == QImage::Format_RGB32 ? "false" : "true") << "},\n";
    }
    out << "};\n\n"
        << "}  // namespace\n\n"
        << "std::span<const RawPicture> rawPictures() {\n    return kPictures;\n}\n\n"
        << "const unsigned char* rawPixels() {\n    return quorvane_raw_pixels;\n}\n\n"
        << "}  // namespace quorvane\n";
    return out.status() == QTextStream::Ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: quorvane-rawpictures BLOB SOURCE ASSETS_DIR PICTURE...\n", stderr);
        return 2;
    }
    const QString blobPath = QString::fromLocal8Bit(argv[1]);
    const QString sourcePath = QString::fromLocal8Bit(argv[2]);
    const QString assetsDir = QString::fromLocal8Bit(argv[3]);

    QList<Entry> entries;
    QByteArray blob;
    for (int i = 4; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const QImage image = paintable(QImage(assetsDir + QLatin1Char('/') + name));
        if (image.isNull()) {
            std::fprintf(stderr, "quorvane-rawpictures: cannot read %s\n", argv[i]);
            return 1;
        }
        blob.append((kAlignment - blob.size() % kAlignment) % kAlignment, '\0');
        entries.append({QStringLiteral(":/") + name, blob.size(), image});
        blob.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    }

    QFile out(blobPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(blob) != blob.size()) {
        std::fprintf(stderr, "quorvane-rawpictures: cannot write %s\n", argv[1]);
        return 1;
    }
    out.close();
    if (!writeSource(sourcePath, blobPath, entries, blob)) {
        std::fprintf(stderr, "quorvane-rawpictures: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
