#include "positionstore.h"

#include <QSettings>

namespace quorvane::ui {

namespace {

QSettings openStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                     QStringLiteral("Quorvane"));
}

constexpr int kMaxStoredLength = 32;  // anything longer is not a coordinate

}  // namespace

bool parseTwips(const QString& text, int& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxStoredLength) {
        return false;
    }
    bool ok = false;
    const int parsed = trimmed.toInt(&ok, 10);
    if (ok) {
        value = parsed;
    }
    return ok;
}

QPoint loadWindowPosition(QPoint fallback) {
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("SetLog"));
    QPoint position = fallback;
    int value = 0;
    const QVariant x = store.value(QStringLiteral("frmMainX"));
    if (x.canConvert<QString>() && parseTwips(x.toString(), value)) {
        position.setX(value);
    }
    const QVariant y = store.value(QStringLiteral("frmMainY"));
    if (y.canConvert<QString>() && parseTwips(y.toString(), value)) {
        position.setY(value);
    }
    return position;
}

void saveWindowPosition(QPoint twips) {
    QSettings store = openStore();
    store.beginGroup(QStringLiteral("SetLog"));
    store.setValue(QStringLiteral("frmMainX"), QString::number(twips.x()));
    store.setValue(QStringLiteral("frmMainY"), QString::number(twips.y()));
    store.endGroup();
    store.sync();
}

}  // namespace quorvane::ui
