// SPDX-License-Identifier: MIT
#include "assets/assets2x.h"

#include "assets/rawpictures.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initQuorvaneAssets2xResource() {
    Q_INIT_RESOURCE(quorvane_assets_2x);
}

namespace quorvane {

void initAssets2x() {
    initQuorvaneAssets2xResource();
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
        QImage twin(assetPath2x(path));
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
