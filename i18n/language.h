#pragma once

// The language of one run: chosen from the desktop's UI languages, or for one run with
// `--language xx`; nothing is stored. English is the source and needs no translation; the others
// are ours (translations/velantra_xx.ts, compiled in) plus Qt's own for its dialogs.

#include "i18n/translatable.h"

#include <QString>
#include <QStringList>
#include <string_view>

class QCoreApplication;

namespace velantra::i18n
{

inline constexpr const char* kSourceLanguage = "en";
// The translated languages, besides English.
inline constexpr const char* kLanguages[] = {"de", "fr", "it", "es", "nl"};

// The first of `preferred` (BCP 47 names such as "de-CH", "fr", "en-GB") that we speak, as a
// two-letter code; English when none is.
QString chooseLanguage(const QStringList& preferred);

// The language of the desktop: QLocale::system().uiLanguages() (on Linux LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG; on Windows the display language).
QString desktopLanguage();

// Loads the translations of `language` (a code from chooseLanguage, or any other, which means
// English) for the rest of the run, and installs them in the application, now or when
// installInto is called. Returns the language in use.
QString setLanguage(const QString& language);
// English: the texts as written, the pictures as the files hold them.
bool isSourceLanguage();

// Installs the loaded translations in a new application (translations live in the instance).
void installInto(QCoreApplication& app);

// A text in the language in use, also before an application exists. `translate` is what
// lupdate reads in Qt code: translate("RigPlanWindow", "Save cards as PDF…"); `text` shows a text
// marked with VT_TEXT elsewhere.
QString translate(const char* context, const char* source);
QString text(const char* context, std::string_view source);

} // namespace velantra::i18n
