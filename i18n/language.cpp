#include "i18n/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace velantra::i18n
{
namespace
{

struct Loaded {
    QString language = QString::fromLatin1(kSourceLanguage);
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qt; // Qt's own dialogs and buttons
};

Loaded& loaded()
{
    static Loaded state;
    return state;
}

bool isTranslated(const QString& code)
{
    return std::any_of(std::begin(kLanguages), std::end(kLanguages),
                       [&](const char* l) { return code == QLatin1String(l); });
}

// Qt's translations: beside the program on Windows (the installer puts them there), else Qt's
// own folder (Debian's qt6-translations-l10n).
std::unique_ptr<QTranslator> qtTranslator(const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + language;
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : folders) {
        if (translator->load(name, folder))
            return translator;
    }
    return nullptr;
}

// The core's texts, through the same translations.
std::string translatedUtf8(const char* context, const char* text)
{
    return translate(context, text).toStdString();
}

} // namespace

QString chooseLanguage(const QStringList& preferred)
{
    for (const QString& name : preferred) {
        const QString code = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (code == QLatin1String(kSourceLanguage) || isTranslated(code))
            return code;
    }
    return QString::fromLatin1(kSourceLanguage);
}

QString desktopLanguage()
{
    return chooseLanguage(QLocale::system().uiLanguages());
}

QString setLanguage(const QString& language)
{
    Loaded& state = loaded();
    if (QCoreApplication::instance()) {
        for (QTranslator* t : {state.ours.get(), state.qt.get()}) {
            if (t)
                QCoreApplication::removeTranslator(t);
        }
    }
    state = Loaded{};
    setTranslator(nullptr);
    if (!isTranslated(language))
        return state.language;
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(QStringLiteral(":/i18n/velantra_") + language))
        return state.language;
    state.language = language;
    state.ours = std::move(ours);
    state.qt = qtTranslator(language);
    setTranslator(translatedUtf8);
    if (auto* app = QCoreApplication::instance())
        installInto(*app);
    return state.language;
}

bool isSourceLanguage()
{
    return !loaded().ours;
}

void installInto(QCoreApplication&)
{
    Loaded& state = loaded();
    for (QTranslator* t : {state.qt.get(), state.ours.get()}) {
        if (t) {
            QCoreApplication::removeTranslator(t); // once, however often it is called
            QCoreApplication::installTranslator(t);
        }
    }
}

QString translate(const char* context, const char* source)
{
    if (const QTranslator* ours = loaded().ours.get()) {
        const QString translated = ours->translate(context, source);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}

QString text(const char* context, std::string_view source)
{
    const QByteArray utf8(source.data(), qsizetype(source.size()));
    return translate(context, utf8.constData());
}

} // namespace velantra::i18n
