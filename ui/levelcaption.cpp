// SPDX-License-Identifier: MIT
#include "ui/levelcaption.h"

#include <QCoreApplication>

#include "ui/frame/twips.h"

namespace quorvane::ui {

namespace {

QLabel* makeLabel(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

LevelCaption makeLevelCaption(QWidget* panel) {
    // One text for the translators, cut where the number goes.
    const QString words = QCoreApplication::translate("Window", "第 %1 关", "the level caption");
    const qsizetype at = words.indexOf(QLatin1String("%1"));
    const QString before = at < 0 ? words : words.left(at).trimmed();
    const QString after = at < 0 ? QString() : words.mid(at + 2).trimmed();
    LevelCaption caption{
        makeLabel(before, pxRect(840, 0, 300, 285), panel),
        makeLabel(QStringLiteral("1"), pxRect(1320, 0, 180, 285), panel),
        makeLabel(after, pxRect(1650, 0, 300, 285), panel),
    };
    caption.number->setAlignment(Qt::AlignCenter);
    // The word before keeps its right edge, the word after its left one.
    if (const int wide = caption.before->sizeHint().width(); wide > caption.before->width()) {
        QRect place = caption.before->geometry();
        place.setLeft(place.right() + 1 - wide);
        caption.before->setGeometry(place);
        caption.before->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (const int wide = caption.after->sizeHint().width(); wide > caption.after->width()) {
        caption.after->resize(wide, caption.after->height());
    }
    return caption;
}

}  // namespace quorvane::ui
