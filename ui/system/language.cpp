// SPDX-License-Identifier: MIT
#include "ui/system/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace quorvane::ui {

namespace {

const QString kTranslations = QStringLiteral(":/i18n");

QString current = QString::fromLatin1(kOwnLanguage);
QPointer<QTranslator> gameTranslator;
QPointer<QTranslator> qtTranslator;

// Chinese by the script or the region of its tag ("zh-Hant-TW", "zh-HK", "zh-Hans-SG").
QString chinese(const QStringList& parts) {
    for (const QString& part : parts.mid(1)) {
        if (part == QLatin1String("Hant") || part == QLatin1String("TW") ||
            part == QLatin1String("HK") || part == QLatin1String("MO")) {
            return QStringLiteral("zh_TW");
        }
        if (part == QLatin1String("Hans")) {
            break;
        }
    }
    return QStringLiteral("zh_CN");
}

// Replaces the translator in `slot` with one loaded from `file` in `folder`; a file that is not
// there leaves the texts as they are written.
void replaceTranslator(QPointer<QTranslator>& slot, const QString& file, const QString& folder) {
    delete slot.data();
    if (file.isEmpty()) {
        return;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        slot = translator;
    } else {
        delete translator;
    }
}

}  // namespace

QStringList spokenLanguages() {
    QStringList spoken{QString::fromLatin1(kOwnLanguage)};
    // Neither a name filter nor a sort by the folder: they would load the regular-expression and
    // collation libraries.
    QStringList files = QDir(kTranslations).entryList(QDir::Files, QDir::NoSort);
    files.sort();
    for (const QString& file : std::as_const(files)) {
        if (file.startsWith(QLatin1String("quorvane_")) && file.endsWith(QLatin1String(".qm"))) {
            spoken << file.mid(9).chopped(3);
        }
    }
    return spoken;
}

QString languageForDesktop(const QStringList& uiLanguages, const QStringList& spoken) {
    const QString own = QString::fromLatin1(kOwnLanguage);
    if (uiLanguages.isEmpty()) {
        return own;
    }
    for (const QString& tag : uiLanguages) {
        const QStringList parts =
            QString(tag).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
        const QString language = parts.first().toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix")) {
            return own;
        }
        if (language == QLatin1String("zh")) {
            const QString code = chinese(parts);
            if (spoken.contains(code)) {
                return code;
            }
            continue;
        }
        // By language and region, then by language alone.
        if (parts.size() > 1) {
            const QString region = parts.last().toUpper();
            if (spoken.contains(language + QLatin1Char('_') + region)) {
                return language + QLatin1Char('_') + region;
            }
        }
        if (spoken.contains(language)) {
            return language;
        }
    }
    return spoken.contains(QLatin1String("en")) ? QStringLiteral("en") : own;
}

std::optional<QString> languageNamed(const QString& code, const QStringList& spoken) {
    const QString name = QString(code).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString& language : spoken) {
        if (name.compare(language, Qt::CaseInsensitive) == 0) {
            return language;
        }
    }
    return std::nullopt;
}

void useLanguage(const QString& code) {
    current = code;
    // The game's texts are written in Simplified Chinese; Qt's are written in English.
    const bool own = code == QLatin1String(kOwnLanguage);
    replaceTranslator(gameTranslator, own ? QString() : QStringLiteral("quorvane_") + code,
                      kTranslations);
    replaceTranslator(qtTranslator,
                      code == QLatin1String("en") ? QString() : QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString gameLanguage() {
    return current;
}

bool writtenInChinese(const QString& code) {
    return code.startsWith(QLatin1String("zh"));
}

bool traditionalChinese(const QString& code) {
    return writtenInChinese(code) &&
           chinese(QString(code).split(QLatin1Char('_'))) == QLatin1String("zh_TW");
}

QStringList languageFallbacks(const QString& code) {
    QStringList languages{code};
    if (!writtenInChinese(code) && code != QLatin1String("en")) {
        languages << QStringLiteral("en");
    }
    if (code != QLatin1String(kOwnLanguage)) {
        languages << QString::fromLatin1(kOwnLanguage);
    }
    return languages;
}

QString picturePath(const QString& path, const QString& code) {
    if (code == QLatin1String(kOwnLanguage)) {
        return path;
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.left(slash + 1) + code + QLatin1Char('/') + path.mid(slash + 1);
}

QString fileNameFor(const QString& fileName, const QString& code) {
    if (code == QLatin1String(kOwnLanguage)) {
        return fileName;
    }
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype at = dot < 0 ? fileName.size() : dot;
    return fileName.left(at) + QLatin1Char('_') + code + fileName.mid(at);
}

}  // namespace quorvane::ui
