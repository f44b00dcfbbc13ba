// The program in the installer's language: which language a desktop gets, every fixed window
// read whole in every language, and the command line's card in another language with the same
// levers.
#include "app/commands.h"
#include "devices/devices.h"
#include "i18n/language.h"
#include "tests/support/guitest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

using namespace velantra;
using namespace velantra::test;

namespace
{

// The controls whose caption a user cannot read whole in the fixed layout: a label's lines
// (wrapped where it wraps) beyond its contents, a button's or a frame's caption beyond its width.
QStringList unreadableCaptions(QWidget* window)
{
    QStringList cut;
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))
            continue;
        const QRect room = label->contentsRect();
        const QFontMetrics metrics(label->font());
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000),
                                                  flags | int(label->alignment()), label->text());
        if (needed.width() > room.width() || needed.height() > room.height() + 2)
            cut << label->objectName() + u'=' + label->text();
    }
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window))
            continue;
        // A check box or option button: its indicator, the spacing and the caption.
        const bool isCheck = qobject_cast<QCheckBox*>(button) != nullptr;
        QStyle* style = button->style();
        const int indicator =
            qobject_cast<QPushButton*>(button)
                ? 8
                : style->pixelMetric(isCheck ? QStyle::PM_IndicatorWidth
                                             : QStyle::PM_ExclusiveIndicatorWidth,
                                     nullptr, button) +
                      style->pixelMetric(isCheck ? QStyle::PM_CheckBoxLabelSpacing
                                                 : QStyle::PM_RadioButtonLabelSpacing,
                                         nullptr, button);
        const int needed = indicator + button->fontMetrics().horizontalAdvance(button->text());
        if (needed > button->width())
            cut << button->objectName() + u'=' + button->text();
    }
    for (auto* frame : window->findChildren<QGroupBox*>()) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) + 12 > frame->width())
            cut << frame->objectName() + u'=' + frame->title();
    }
    return cut;
}

struct Run {
    int status = -1;
    QString out;
};

Run program(const QStringList& arguments, const QString& language = QStringLiteral("en"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), arguments);
    process.waitForFinished(-1);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { i18n::setLanguage(QStringLiteral("en")); }
    void placeholdersOfTheCore_data();
    void placeholdersOfTheCore();
    void languageOfTheDesktop_data();
    void languageOfTheDesktop();
    void everyFixedWindowReadsWhole_data();
    void everyFixedWindowReadsWhole();
    void mainMenuReadsWhole_data();
    void mainMenuReadsWhole();
    void qtsOwnButtonsSpeakTheLanguage();
    void everyHelpTextTranslated_data();
    void everyHelpTextTranslated();
    void cardInAnotherLanguageKeepsItsLevers_data();
    void cardInAnotherLanguageKeepsItsLevers();
};

// The core fills a translated sentence's %1, %2, … as QString::arg does, whatever order the
// language puts them in, and leaves a marker that arrives inside a value (a label) alone.
void LanguagesTest::placeholdersOfTheCore_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("in order") << "channels %1 overlap %2" << QStringList{"1–6", "row 2"}
                              << "channels 1–6 overlap row 2";
    QTest::newRow("the other way round") << "%2 : %1" << QStringList{"a", "b"} << "b : a";
    QTest::newRow("a label holding a marker")
        << "Label: %1" << QStringList{"50%2 %1"} << "Label: 50%2 %1";
    QTest::newRow("a percent sign of the text")
        << "1-100 % modulation %1" << QStringList{"ON"} << "1-100 % modulation ON";
    QTest::newRow("no value for a marker") << "%1 of %2" << QStringList{"3"} << "3 of %2";
}

void LanguagesTest::placeholdersOfTheCore()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, values);
    std::vector<std::string> v;
    for (const QString& value : values)
        v.push_back(value.toStdString());
    const std::string filled = v.size() == 1 ? i18n::arg(pattern.toStdString(), {v[0]})
                                             : i18n::arg(pattern.toStdString(), {v[0], v[1]});
    QTEST(QString::fromStdString(filled), "expected");
}

void LanguagesTest::languageOfTheDesktop_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German of Switzerland") << QStringList{"de-CH", "en"} << "de";
    QTest::newRow("POSIX spelling") << QStringList{"nl_BE"} << "nl";
    QTest::newRow("upper case") << QStringList{"FR"} << "fr";
    QTest::newRow("unknown first, then Spanish") << QStringList{"pt-BR", "es-ES"} << "es";
    QTest::newRow("English before Italian") << QStringList{"en-GB", "it"} << "en";
    QTest::newRow("none we speak") << QStringList{"pt", "ja"} << "en";
    QTest::newRow("nothing") << QStringList{} << "en";
}

void LanguagesTest::languageOfTheDesktop()
{
    QFETCH(QStringList, preferred);
    QTEST(i18n::chooseLanguage(preferred), "chosen");
}

void LanguagesTest::everyFixedWindowReadsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("id");
    QStringList languages{QStringLiteral("en")};
    for (const char* language : i18n::kLanguages)
        languages << QString::fromLatin1(language);
    for (const QString& language : languages) {
        for (const WindowEntry& entry : kWindows) {
            if (entry.kind != WindowKind::Configurator && entry.kind != WindowKind::Power)
                continue;
            const QByteArray name(entry.name.data(), qsizetype(entry.name.size()));
            QTest::addRow("%s %s", qPrintable(language), name.constData())
                << language << int(entry.id);
        }
    }
}

void LanguagesTest::everyFixedWindowReadsWhole()
{
    QFETCH(QString, language);
    QFETCH(int, id);
    QCOMPARE(i18n::setLanguage(language), language);
    std::unique_ptr<QWidget> window(entryOf(WindowId(id)).create());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList cut = unreadableCaptions(window.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"; ")));
}

void LanguagesTest::mainMenuReadsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    for (const char* language : i18n::kLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

// The main window keeps its size: every item of its menu bar shows, none behind the bar's
// extension button.
void LanguagesTest::mainMenuReadsWhole()
{
    QFETCH(QString, language);
    QCOMPARE(i18n::setLanguage(language), language);
    ProgramFixture program;
    program.main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.main()));
    QMenuBar* bar = program.main().menuBar();
    QStringList hidden;
    for (QAction* action : bar->actions()) {
        if (bar->actionGeometry(action).isEmpty() ||
            !bar->rect().contains(bar->actionGeometry(action)))
            hidden << action->text();
    }
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(u"; ")));
}

// Qt's own dialogs and buttons come from Debian's translations (on Windows from the installer).
void LanguagesTest::qtsOwnButtonsSpeakTheLanguage()
{
#if defined(Q_OS_WIN)
    QSKIP("Qt's translations lie beside the installed program, not the tests");
#endif
    const auto cancel = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    };
    QCOMPARE(cancel(), "Cancel");
    QCOMPARE(i18n::setLanguage(QStringLiteral("de")), "de");
    QCOMPARE(cancel(), "Abbrechen");
    QCOMPARE(i18n::setLanguage(QStringLiteral("xx")), "en");
    QCOMPARE(cancel(), "Cancel");
}

void LanguagesTest::everyHelpTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : i18n::kLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

// The commands' summaries and the descriptions of their arguments and options, some composed
// from the device table, each in the language (the list of device names stays as it is).
void LanguagesTest::everyHelpTextTranslated()
{
    QFETCH(QString, language);
    QCOMPARE(i18n::setLanguage(language), language);
    QStringList untranslated;
    const auto check = [&](std::string_view english) {
        if (english != kDeviceChoices &&
            i18n::text(i18n::context::kCommandLine, english) == QString::fromUtf8(english))
            untranslated << QString::fromUtf8(english);
    };
    for (const cli::Command& command : cli::commands()) {
        check(command.summary);
        for (const cli::Argument& argument : command.arguments)
            check(argument.description);
        for (const cli::Option& option : command.options)
            check(option.description);
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u"; ")));
}

void LanguagesTest::cardInAnotherLanguageKeepsItsLevers_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("translated");
    for (const char* language : i18n::kLanguages)
        QTest::newRow(language) << QString::fromLatin1(language) << true;
    QTest::newRow("unknown language: English") << "xx" << false;
}

void LanguagesTest::cardInAnotherLanguageKeepsItsLevers()
{
    QFETCH(QString, language);
    QFETCH(bool, translated);
    const QStringList card{"card", "orvo75",       "--address", "300", "--channels",
                           "6",    "--terminator", "--out",     "-"};
    const Run english = program(card);
    // Once chosen for the run on the command line, once by the desktop (on Linux its LANGUAGE;
    // Windows takes its display language).
    const Run chosen = program(QStringList{"--language", language} + card);
    QCOMPARE(english.status, 0);
    QCOMPARE(chosen.status, 0);
#if !defined(Q_OS_WIN)
    QCOMPARE(program(card, language).out, chosen.out);
#endif
    const QStringList englishLines = english.out.split(u'\n');
    const QStringList lines = chosen.out.split(u'\n');
    QCOMPARE(lines.size(), englishLines.size());
    // The same levers ON in every bank; the words around them in the language.
    static const QRegularExpression notDigits(QStringLiteral("[^0-9]+"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!englishLines[i].contains(u"Levers ON"))
            continue;
        const QString levers = englishLines[i].section(u':', -1);
        QCOMPARE(lines[i].section(u':', -1).remove(notDigits), QString(levers).remove(notDigits));
    }
    QCOMPARE(chosen.out != english.out, translated);
    // The help is in the language too.
    QCOMPARE(program({"--language", language, "--help"}).out != program({"--help"}).out,
             translated);
}

VELANTRA_TEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
