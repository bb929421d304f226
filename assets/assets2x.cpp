// SPDX-License-Identifier: MIT
#include "assets/assets2x.h"

#include <sys/mman.h>
#include <zstd.h>
#include <QByteArray>
#include <QResource>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

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

// A canvas's pixels start this far into its memory: the room in front takes a pixel file's header,
// so that the whole file decompresses in one go with its rows landing on the pixels.
constexpr std::size_t kCanvasHeadroom = 64;
constexpr std::size_t kHugePage = std::size_t(2) << 20;

struct CanvasMemory {
    void* base;
    std::size_t length;
};

// The pixels of the canvases alive, so that only they are written into with their headroom.
std::vector<const uchar*>& liveCanvases() {
    static std::vector<const uchar*> canvases;
    return canvases;
}

void freeCanvas(void* info) {
    auto* memory = static_cast<CanvasMemory*>(info);
    auto& live = liveCanvases();
    live.erase(std::remove(live.begin(), live.end(),
                           static_cast<const uchar*>(memory->base) + kCanvasHeadroom),
               live.end());
    munmap(memory->base, memory->length);
    delete memory;
}

}  // namespace

QImage newCanvas(QSize size) {
    const std::size_t rowBytes = std::size_t(size.width()) * 4;
    const std::size_t bytes = kCanvasHeadroom + rowBytes * std::size_t(size.height());
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t length = (bytes + page - 1) / page * page;
    // Mapped with a huge page's worth to spare, then trimmed to start on a huge page.
    const std::size_t spare = length >= kHugePage ? kHugePage : 0;
    void* mapped =
        mmap(nullptr, length + spare, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED || size.isEmpty()) {
        if (mapped != MAP_FAILED) {
            munmap(mapped, length + spare);
        }
        return QImage(size, QImage::Format_RGB32);
    }
    auto* base = static_cast<uchar*>(mapped);
    if (spare != 0) {
        const auto start = reinterpret_cast<std::uintptr_t>(mapped);
        const std::size_t head = (kHugePage - start % kHugePage) % kHugePage;
        if (head != 0) {
            munmap(mapped, head);
        }
        if (spare - head != 0) {
            munmap(base + head + length, spare - head);
        }
        base += head;
        madvise(base, length / kHugePage * kHugePage, MADV_HUGEPAGE);
    }
    uchar* pixels = base + kCanvasHeadroom;
    liveCanvases().push_back(pixels);
    return QImage(pixels, size.width(), size.height(), qsizetype(rowBytes), QImage::Format_RGB32,
                  freeCanvas, new CanvasMemory{base, length});
}

bool decompressTwinInto(const QString& path, QImage& canvas) {
    const auto& live = liveCanvases();
    if (std::find(live.begin(), live.end(), canvas.constBits()) == live.end() ||
        canvas.format() != QImage::Format_RGB32 ||
        canvas.bytesPerLine() != qsizetype(canvas.width()) * 4) {
        return false;
    }
    initAssets2x();
    const QResource resource(QLatin1String(":/") + QLatin1String(kPixelSetRoot) + QLatin1Char('/') +
                             pixelSetName(assetPath2x(path).mid(2)));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::ZstdCompression) {
        return false;
    }
    const std::size_t pixels = std::size_t(canvas.sizeInBytes());
    const unsigned long long content = ZSTD_getFrameContentSize(resource.data(), resource.size());
    if (content != sizeof(PixelSetHeader) + pixels) {
        return false;
    }
    // The header lands in the room in front of the pixels; the rows on them.
    uchar* file = canvas.bits() - sizeof(PixelSetHeader);
    PixelSetHeader saved{};
    std::memcpy(&saved, file, sizeof saved);
    const std::size_t written =
        ZSTD_decompress(file, sizeof(PixelSetHeader) + pixels, resource.data(), resource.size());
    PixelSetHeader header{};
    std::memcpy(&header, file, sizeof header);
    std::memcpy(file, &saved, sizeof saved);
    return !ZSTD_isError(written) && written == content && header.magic == kPixelSetMagic &&
           int(header.width) == canvas.width() && int(header.height) == canvas.height() &&
           header.alpha == 0;
}

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
