#include "assets/assets2x.h"

#include <QByteArray>
#include <QResource>
#include <cstring>

#include "assets/pixelset.h"
#include "assets/rawpictures.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initQuorvanePixels2xResource() {
    Q_INIT_RESOURCE(quorvane_pixels_2x);
}

namespace quorvane {

namespace {

// The twin's pixels, decompressed; a null image when the set has no such picture.
QImage pixelSetPicture(const QString& twin) {
    const QResource resource(QLatin1String(":/") + QLatin1String(kPixelSetRoot) + QLatin1Char('/') +
                             pixelSetName(twin.mid(2)));
    if (!resource.isValid()) {
        return {};
    }
    // Stored uncompressed, this is the program's own data, not a copy.
    auto* bytes = new QByteArray(resource.uncompressedData());
    PixelSetHeader header{};
    if (bytes->size() >= qsizetype(sizeof header)) {
        std::memcpy(&header, bytes->constData(), sizeof header);
    }
    const qsizetype rows = qsizetype(header.width) * 4 * header.height;
    if (header.magic != kPixelSetMagic || header.width == 0 ||
        bytes->size() != qsizetype(sizeof header) + rows) {
        delete bytes;
        return {};
    }
    // The image reads the decompressed bytes in place and lets go of them with its last copy.
    return QImage(
        reinterpret_cast<const uchar*>(bytes->constData()) + sizeof header, int(header.width),
        int(header.height), qsizetype(header.width) * 4,
        header.alpha != 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32,
        [](void* held) { delete static_cast<QByteArray*>(held); }, bytes);
}

}  // namespace

void initAssets2x() {
    initQuorvanePixels2xResource();
}

QString assetPath2x(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    QString twin = path;
    return dot > slash ? twin.insert(dot, QLatin1String("@2x")) : twin + QLatin1String("@2x");
}

QImage loadAsset(const QString& path, qreal dpr) {
    if (dpr > 1.0) {
        initAssets2x();
        QImage twin = pixelSetPicture(assetPath2x(path));
        if (!twin.isNull()) {
            twin.setDevicePixelRatio(2.0);
            return twin;
        }
    }
    // The built-in pixels where there are some: nothing to decode, nothing copied.
    const QImage raw = rawPicture(path);
    return raw.isNull() ? QImage(path) : raw;
}

}  // namespace quorvane
