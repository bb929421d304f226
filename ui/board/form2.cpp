// SPDX-License-Identifier: MIT
#include "ui/board/form2.h"

#include <QColor>

#include "assets/assets2x.h"

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

Form2Pictures::Form2Pictures(qreal ratio) : ratio_(ratio) {
    for (int i = 0; i < 50; ++i) {
        picture1_[i] = loadPicture(QString(":/form2/picture1_%1.png").arg(i, 2, 10, QChar('0')),
                                   QSize(39, 39), ratio);
    }
    const std::array<QSize, 4> pieceSizes = {QSize(10, 25), QSize(25, 10), QSize(10, 40),
                                             QSize(40, 10)};
    for (int i = 0; i < 4; ++i) {
        picture2_[i] = loadPicture(QString(":/form2/picture2_%1.png").arg(i), pieceSizes[i], ratio);
    }
    picture3_ = loadPicture(":/form2/picture3.png", QSize(195, 146), ratio);
    picture4_ = loadPicture(":/form2/picture4.png", QSize(450, 10), ratio);
    for (int i = 0; i < 2; ++i) {
        picture5_[i] =
            loadPicture(QString(":/form2/picture5_%1.png").arg(i), QSize(362, 42), ratio);
    }
    background_ = loadPicture(":/board/background.png", QSize(640, 480), ratio);
}

const QImage& Form2Pictures::picture(Form2Picture which) const {
    const auto inRange = [](int index, std::size_t size) {
        return index >= 0 && static_cast<std::size_t>(index) < size;
    };
    switch (which.set) {
        case Form2Picture::Set::Picture1:
            return inRange(which.index, picture1_.size()) ? picture1_[which.index] : none_;
        case Form2Picture::Set::Picture2:
            return inRange(which.index, picture2_.size()) ? picture2_[which.index] : none_;
        case Form2Picture::Set::Picture3:
            return picture3_;
        case Form2Picture::Set::Picture4:
            return picture4_;
        case Form2Picture::Set::Picture5:
            return inRange(which.index, picture5_.size()) ? picture5_[which.index] : none_;
    }
    return none_;
}

}  // namespace quorvane::ui
