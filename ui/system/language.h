// SPDX-License-Identifier: MIT
// The language the game speaks and what goes with it: the translations, Qt's own (the standard
// buttons of the question boxes), the pictures that carry words and the help page.
//
// A language is named by its code: "zh_CN" for Simplified Chinese, the language the game is
// written in, and one for each translation built into the program (translations/quorvane_<code>.ts,
// embedded as :/i18n/quorvane_<code>.qm): today "zh_TW" (Traditional Chinese, as written in
// Taiwan) and "en". A new translation is spoken as soon as it is built in.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quorvane::ui {

// The language the game's texts are written in.
inline constexpr char kOwnLanguage[] = "zh_CN";

// "zh_CN" and the code of every translation built into the program.
QStringList spokenLanguages();

// The language for the desktop's list of preferred languages, most wanted first, as
// QLocale::uiLanguages() gives it ("zh-Hant-TW", "en-US", "C" ...): the first one the game
// speaks, by language and region ("pt_BR") or by language alone ("pt"). Chinese written in
// Taiwan, Hong Kong or Macao, or marked as traditional, is "zh_TW", any other Chinese "zh_CN".
// The C locale, or no list at all, keeps the game's own language; a list of languages the game
// does not speak gets English.
QString languageForDesktop(const QStringList& uiLanguages,
                           const QStringList& spoken = spokenLanguages());

// The code of a language the game speaks, given as "zh_TW", "zh-tw" or the like; nothing for one
// it does not speak.
std::optional<QString> languageNamed(const QString& code,
                                     const QStringList& spoken = spokenLanguages());

// Makes `code` the game's language: loads its translation and Qt's own into the application, in
// place of the ones loaded before. Call after the application object is made and before the
// window is.
void useLanguage(const QString& code);
QString gameLanguage();

// Whether a language is written in Chinese characters, and whether in their traditional forms.
bool writtenInChinese(const QString& code);
bool traditionalChinese(const QString& code);

// Where to look for what a language lacks (a banner, a help page): the language itself, then
// English for a language not written in Chinese, then the game's own.
QStringList languageFallbacks(const QString& code);

// A picture with words on it, in a language: ":/form2/picture3.png" becomes
// ":/form2/en/picture3.png" in English. The path as given in the game's own language.
QString picturePath(const QString& path, const QString& code);

// A file that comes in one version per language: "help.html" becomes "help_en.html" in English,
// "help_zh_TW.html" in Traditional Chinese, and stays "help.html" in the game's own language.
QString fileNameFor(const QString& fileName, const QString& code);

}  // namespace quorvane::ui
