#include "positionstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <cstdio>

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
    // The new file is written whole under a name of its own next to the old one and then renamed
    // over it. QSettings::sync on the file itself would first take "<file>.lock" and wait up to
    // 30 s when a crash during an earlier save left that lock behind, or for ever when something
    // that cannot be removed sits under its name; a rename takes no lock, and the file is always
    // either the old one or the new one. The draft is filled by QSettings from a copy of the old
    // file, so the format and every other key a player's file holds stay as they were.
    QString target = openStore().fileName();
    if (const QFileInfo link(target); link.isSymLink()) {
        target = link.symLinkTarget();
    }
    const QFileInfo old(target);
    if (!QDir().mkpath(old.absolutePath())) {
        return;
    }
    QTemporaryFile draft(old.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!draft.open()) {
        return;
    }
    if (old.isFile()) {
        QFile current(target);
        if (!current.open(QIODevice::ReadOnly) || draft.write(current.readAll()) != old.size()) {
            return;
        }
        draft.setPermissions(old.permissions());
    }
    draft.close();
    {
        QSettings store(draft.fileName(), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("SetLog"));
        store.setValue(QStringLiteral("frmMainX"), QString::number(twips.x()));
        store.setValue(QStringLiteral("frmMainY"), QString::number(twips.y()));
        store.endGroup();
        store.sync();
        // A FormatError only says the old file was partly unreadable; what was written is whole.
        if (store.status() == QSettings::AccessError) {
            return;
        }
    }
    // Replaces the old file in one step (POSIX rename; QFile::rename would refuse).
    if (std::rename(QFile::encodeName(draft.fileName()).constData(),
                    QFile::encodeName(target).constData()) == 0) {
        draft.setAutoRemove(false);
    }
}

}  // namespace quorvane::ui
