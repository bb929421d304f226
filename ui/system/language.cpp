#include "ui/system/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace quorvane::ui {

namespace {

Language current = Language::SimplifiedChinese;
QPointer<QTranslator> gameTranslator;
QPointer<QTranslator> qtTranslator;

// Chinese by the script or the region of its tag ("zh-Hant-TW", "zh-HK", "zh-Hans-SG").
Language chineseScript(const QStringList& parts) {
    for (const QString& part : parts.mid(1)) {
        if (part == QLatin1String("Hant") || part == QLatin1String("TW") ||
            part == QLatin1String("HK") || part == QLatin1String("MO")) {
            return Language::TraditionalChinese;
        }
        if (part == QLatin1String("Hans")) {
            return Language::SimplifiedChinese;
        }
    }
    return Language::SimplifiedChinese;
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

Language languageForDesktop(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) {
        return Language::SimplifiedChinese;
    }
    for (const QString& tag : uiLanguages) {
        const QStringList parts =
            QString(tag).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
        const QString language = parts.first().toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix")) {
            return Language::SimplifiedChinese;
        }
        if (language == QLatin1String("zh")) {
            return chineseScript(parts);
        }
        if (language == QLatin1String("en")) {
            return Language::English;
        }
    }
    return Language::English;
}

std::optional<Language> languageNamed(const QString& code) {
    const QString name = QString(code).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
        if (name.compare(languageCode(language), Qt::CaseInsensitive) == 0) {
            return language;
        }
    }
    return std::nullopt;
}

QString languageCode(Language language) {
    switch (language) {
        case Language::TraditionalChinese:
            return QStringLiteral("zh_TW");
        case Language::English:
            return QStringLiteral("en");
        case Language::SimplifiedChinese:
            break;
    }
    return QStringLiteral("zh_CN");
}

void useLanguage(Language language) {
    current = language;
    // The game's texts are written in Simplified Chinese; Qt's are written in English.
    const QString code = languageCode(language);
    replaceTranslator(
        gameTranslator,
        language == Language::SimplifiedChinese ? QString() : QStringLiteral("quorvane_") + code,
        QStringLiteral(":/i18n"));
    replaceTranslator(qtTranslator,
                      language == Language::English ? QString() : QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language gameLanguage() {
    return current;
}

QString picturePath(const QString& path) {
    if (current == Language::SimplifiedChinese) {
        return path;
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.left(slash + 1) + languageCode(current) + QLatin1Char('/') + path.mid(slash + 1);
}

QString fileNameFor(const QString& fileName, Language language) {
    if (language == Language::SimplifiedChinese) {
        return fileName;
    }
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype at = dot < 0 ? fileName.size() : dot;
    return fileName.left(at) + QLatin1Char('_') + languageCode(language) + fileName.mid(at);
}

}  // namespace quorvane::ui
