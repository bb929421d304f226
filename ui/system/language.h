// The language the game speaks: Simplified Chinese (the language its texts are written in),
// Traditional Chinese or English, chosen from the desktop's preferred languages or on the command
// line, and what goes with it: the translations, Qt's own for its standard buttons, the pictures
// that carry words and the help page.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quorvane::ui {

enum class Language { SimplifiedChinese, TraditionalChinese, English };

// The language for the desktop's list of preferred languages, most wanted first, as
// QLocale::uiLanguages() gives it ("zh-Hant-TW", "en-US", "C" ...): the first one the game
// speaks. Chinese written in Taiwan, Hong Kong or Macao, or marked as traditional, is
// Traditional Chinese, any other Chinese Simplified. The C locale, or no list at all, keeps the
// game's own language; a list of languages the game does not speak gets English.
Language languageForDesktop(const QStringList& uiLanguages);

// "zh_CN", "zh_TW" or "en" (a hyphen for the underscore will do); nothing for any other text.
std::optional<Language> languageNamed(const QString& code);
QString languageCode(Language language);

// Makes `language` the game's: loads its translation and Qt's own (the standard buttons of the
// question boxes) into the application, in place of the ones loaded before. Call after the
// application object is made and before the window is.
void useLanguage(Language language);
Language gameLanguage();

// A picture with words on it, in the game's language: ":/form2/picture3.png" becomes
// ":/form2/en/picture3.png" in English. The path as given in Simplified Chinese.
QString picturePath(const QString& path);

// A file that comes in one version per language: "help.html" becomes "help_en.html" in English,
// "help_zh_TW.html" in Traditional Chinese.
QString fileNameFor(const QString& fileName, Language language);

}  // namespace quorvane::ui
