// SPDX-License-Identifier: MIT
#include "assets/rawpictures.h"

namespace quorvane {

QImage rawPicture(const QString& resource) {
    for (const RawPicture& picture : rawPictures()) {
        if (resource == QLatin1String(picture.resource)) {
            // A const buffer: the image never writes to it and never frees it.
            return QImage(rawPixels() + picture.offset, picture.width, picture.height,
                          picture.width * 4,
                          picture.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        }
    }
    return {};
}

}  // namespace quorvane
