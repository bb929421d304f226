// SPDX-License-Identifier: MIT
#include "widgets/xppicture.h"

#include <QFileInfo>

namespace qm {

namespace {

XPPicture::Reader reader = nullptr;

}  // namespace

void XPPicture::SetReader(Reader newReader) {
    reader = newReader;
}

XPPicture XPPicture::Load(const QString& source, QPoint hotSpot) {
    XPPicture p;
    p.present_ = true;
    p.source_ = source;
    p.hotSpot_ = hotSpot;
    if (reader != nullptr) {
        p.image_ = reader(source);
    }
    if (p.image_.isNull()) {
        p.image_.load(source);
    }
    const QString suffix = QFileInfo(source).suffix().toLower();
    p.icon_ = suffix == QLatin1String("ico") || suffix == QLatin1String("cur") ||
              (!p.image_.isNull() && p.image_.hasAlphaChannel());
    return p;
}

XPPicture XPPicture::FromImage(const QImage& image, bool icon) {
    XPPicture p;
    p.present_ = true;
    p.image_ = image;
    p.icon_ = icon;
    return p;
}

}  // namespace qm
