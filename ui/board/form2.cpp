// SPDX-License-Identifier: MIT
#include "ui/board/form2.h"

#include <QColor>
#include <QTimer>

#include "assets/assets2x.h"
#include "ui/system/language.h"

namespace quorvane::ui {

QImage loadPicture(const QString& path, QSize expected, qreal ratio) {
    QImage image = loadAsset(path, ratio);
    if (image.isNull()) {
        qWarning("Quorvane: picture %s is missing", qPrintable(path));
        image = QImage(expected, QImage::Format_RGB32);
        image.fill(QColor(128, 128, 128));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

Form2Pictures::Form2Pictures(qreal ratio) : ratio_(ratio) {}

const QImage& Form2Pictures::load(QImage& slot, const QString& path, QSize size) const {
    if (slot.isNull()) {
        slot = loadPicture(path, size, ratio_);
    }
    return slot;
}

const QImage& Form2Pictures::loadBanner(QImage& slot, const QString& path, QSize size) const {
    if (slot.isNull()) {
        for (const QString& language : languageFallbacks(gameLanguage())) {
            const QImage banner = loadAsset(picturePath(path, language), ratio_);
            if (!banner.isNull()) {
                slot = banner.convertToFormat(QImage::Format_RGB32);
                return slot;
            }
        }
    }
    return load(slot, path, size);
}

QImage Form2Pictures::background() const {
    if (background_.isNull() && ratio_ != 1.0) {
        QTimer::singleShot(0, &releaser_, [this] { background_ = QImage(); });
        // Decompressed onto pages that are cheap to touch the first time, as the board's are.
        QImage twin = newCanvas(QSize(1280, 960));
        if (backgroundInto(twin)) {
            twin.setDevicePixelRatio(2.0);
            background_ = twin;
        }
    }
    // At 1x the picture is the program's own pixels: holding it costs nothing.
    return load(background_, QStringLiteral(":/board/background.png"), QSize(640, 480));
}

bool Form2Pictures::backgroundInto(QImage& canvas) const {
    return ratio_ > 1.0 && decompressTwinInto(QStringLiteral(":/board/background.png"), canvas);
}

const QImage& Form2Pictures::picture(Form2Picture which) const {
    const auto inRange = [](int index, std::size_t size) {
        return index >= 0 && static_cast<std::size_t>(index) < size;
    };
    static const std::array<QSize, 4> kPieceSizes = {QSize(10, 25), QSize(25, 10), QSize(10, 40),
                                                     QSize(40, 10)};
    const int i = which.index;
    switch (which.set) {
        case Form2Picture::Set::Picture1:
            return inRange(i, picture1_.size())
                       ? load(picture1_[i],
                              QStringLiteral(":/form2/picture1_%1.png").arg(i, 2, 10, QChar('0')),
                              QSize(39, 39))
                       : none_;
        case Form2Picture::Set::Picture2:
            return inRange(i, picture2_.size())
                       ? load(picture2_[i], QStringLiteral(":/form2/picture2_%1.png").arg(i),
                              kPieceSizes[i])
                       : none_;
        case Form2Picture::Set::Picture3:
            return loadBanner(picture3_, QStringLiteral(":/form2/picture3.png"), QSize(195, 146));
        case Form2Picture::Set::Picture4:
            return load(picture4_, QStringLiteral(":/form2/picture4.png"), QSize(450, 10));
        case Form2Picture::Set::Picture5:
            return inRange(i, picture5_.size())
                       ? loadBanner(picture5_[i], QStringLiteral(":/form2/picture5_%1.png").arg(i),
                                    QSize(362, 42))
                       : none_;
    }
    return none_;
}

}  // namespace quorvane::ui
