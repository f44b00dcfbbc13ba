#include "cli/commandline.h"

#include "cli/display.h"
#include "i18n/language.h"
#include "ui/applicationsetup.h"
#include "ui/qstr.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace velantra::cli
{
namespace
{

void printTo(FILE* stream, const QString& text)
{
#if defined(Q_OS_WIN)
    // UTF-8 as on Linux, whatever the ANSI code page: the texts hold curly quotes and dashes.
    std::fputs(text.toUtf8().constData(), stream);
#else
    std::fputs(text.toLocal8Bit().constData(), stream);
#endif
    std::fflush(stream);
}

// "velantra" or "velantra card": how the help and the messages name the program or a command.
QString commandLineName(const Command* command)
{
    QString name = qstr(kProgramName);
    if (command)
        name += u' ' + qstr(command->name);
    return name;
}

void addOptions(QCommandLineParser& parser, std::span<const Option> options)
{
    for (const Option& option : options) {
        QStringList names;
        if (!option.shortName.empty())
            names << qstr(option.shortName);
        names << qstr(option.name);
        parser.addOption(QCommandLineOption(names, i18n::text("CommandLine", option.description),
                                            qstr(option.valueName)));
    }
}

// Single-dash words are long options, so that Qt's own "-stylesheet" or "-platform" is refused
// by its name rather than read as a bundle of letters.
void configure(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    // Not addHelpOption(): it adds --help-all, which lists Qt's options, that are refused here.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        i18n::translate("CommandLine", "Displays this help.")));
}

// The program's own options, before any command.
void configureProgram(QCommandLineParser& parser)
{
    configure(parser);
    parser.addOption(QCommandLineOption(
        QStringLiteral("language"),
        i18n::translate("CommandLine",
                        "The language of this run: de, en, es, fr, it or nl (the desktop's "
                        "otherwise)."),
        QStringLiteral("xx")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           i18n::translate("CommandLine", "Displays version information.")));
}

// The parser's help with our usage lines in place of its own first line.
QString helpText(const QCommandLineParser& parser, const QString& usage)
{
    // The parser's own headings, in the language of the run (its translation needs an
    // application, which the help does not start).
    QStringList lines = parser.helpText().split(u'\n');
    for (QString& line : lines) {
        if (line == u"Options:")
            line = i18n::translate("CommandLine", "Options:");
        else if (line == u"Arguments:")
            line = i18n::translate("CommandLine", "Arguments:");
    }
    const QString text = lines.join(u'\n');
    return usage + u'\n' + text.mid(text.indexOf(u'\n'));
}

QString argumentSyntax(const Argument& argument)
{
    const QString name = qstr(argument.name);
    return argument.optional ? u'[' + name + u']' : u'<' + name + u'>';
}

// The first unknown option as the user typed it ("-stylesheet", "--bogus").
QString typedOption(const QStringList& words, const QString& name)
{
    for (const QString& word : words) {
        if (!word.startsWith(u'-'))
            continue;
        QString bare = word;
        while (bare.startsWith(u'-'))
            bare.remove(0, 1);
        if (bare.section(u'=', 0, 0) == name)
            return word.section(u'=', 0, 0);
    }
    return name;
}

int usageError(const Command* command, const QString& message)
{
    const QString name = commandLineName(command);
    printTo(stderr,
            i18n::translate("CommandLine", "%1: %2 (see '%1 --help')").arg(name, message) + u'\n');
    return kExitUsage;
}

// Parses `words` (the program or command name first); on a mistake prints the one line and
// returns false.
bool parse(QCommandLineParser& parser, const QStringList& words, const Command* command,
           int& status)
{
    if (parser.parse(words))
        return true;
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        status = usageError(command, i18n::translate("CommandLine", "unknown option '%1'")
                                         .arg(typedOption(words, unknown.first())));
    else
        status = usageError(command, parser.errorText());
    return false;
}

int runCommand(const Command& command, QStringList words, char* argv0)
{
    QCommandLineParser parser;
    configure(parser);
    addOptions(parser, command.options);
    QString usage =
        i18n::translate("CommandLine", "Usage: %1 [options]").arg(commandLineName(&command));
    for (const Argument& argument : command.arguments) {
        parser.addPositionalArgument(qstr(argument.name),
                                     i18n::text("CommandLine", argument.description),
                                     argumentSyntax(argument));
        usage += u' ' + argumentSyntax(argument);
    }
    parser.setApplicationDescription(i18n::text("CommandLine", command.summary));
    int status = kExitOk;
    if (!parse(parser, words, &command, status))
        return status;
    if (parser.isSet(QStringLiteral("help"))) {
        printTo(stdout, helpText(parser, usage));
        return kExitOk;
    }
    const auto given = std::size_t(parser.positionalArguments().size());
    const auto required =
        std::size_t(std::count_if(command.arguments.begin(), command.arguments.end(),
                                  [](const Argument& a) { return !a.optional; }));
    if (given > command.arguments.size())
        return usageError(&command, i18n::translate("CommandLine", "unexpected argument '%1'")
                                        .arg(parser.positionalArguments().at(
                                            qsizetype(command.arguments.size()))));
    if (given < required)
        return usageError(&command, i18n::translate("CommandLine", "missing %1")
                                        .arg(argumentSyntax(command.arguments[given])));

    std::unique_ptr<QApplication> app;
    if (command.needs == Needs::Drawing && !QCoreApplication::instance()) {
        app = offscreenApplication(argv0);
        setUpApplication(*app);
    }
    return command.run(Invocation(command, parser));
}

QString programHelp(QCommandLineParser& parser, std::span<const Command> commands)
{
    parser.setApplicationDescription(i18n::translate(
        "CommandLine",
        "VELANTRA configuration tools: DIP-switch settings, power budgets and data\n"
        "sheets for DMX LED lighting. Without a command it opens the main window on\n"
        "the display (a desktop session, or xvfb-run)."));
    QString usage =
        i18n::translate("CommandLine", "Usage: %1 [options]").arg(commandLineName(nullptr));
    if (commands.empty())
        return helpText(parser, usage);
    usage += QStringLiteral("\n       ") +
             i18n::translate("CommandLine", "%1 <command> [options] [arguments]")
                 .arg(commandLineName(nullptr));
    qsizetype width = 0;
    for (const Command& command : commands)
        width = std::max(width, qsizetype(command.name.size()));
    QString list = u'\n' + i18n::translate("CommandLine", "Commands:") + u'\n';
    for (const Command& command : commands)
        list += QStringLiteral("  %1  %2\n")
                    .arg(qstr(command.name).leftJustified(width),
                         i18n::text("CommandLine", command.summary));
    list += u'\n' +
            i18n::translate("CommandLine", "'%1 <command> --help' shows the options of a command.")
                .arg(commandLineName(nullptr)) +
            u'\n';
    return helpText(parser, usage) + list;
}

} // namespace

QString versionText()
{
    return QStringLiteral("%1 %2").arg(qstr(kProgramName), QStringLiteral(VELANTRA_VERSION));
}

int run(std::span<char*> args, std::span<const Command> commands, int (*windows)(QApplication& app))
{
    QStringList words;
    for (const char* arg : args)
        words << QString::fromLocal8Bit(arg);
    if (words.isEmpty())
        words << qstr(kProgramName);
    char* argv0 = args.empty() ? nullptr : args.front();

    // The program's own options come before the first word that is not an option, which names a
    // command; the rest of the line belongs to the command. `--language xx` (which takes the word
    // after it) or `--language=xx` is read here, before the parser, so that its own messages are
    // in that language too.
    QString requested;
    bool languageGiven = false;
    auto first = words.begin() + 1;
    while (first != words.end() && first->startsWith(u'-') && *first != u'-') {
        QString word = *first;
        while (word.startsWith(u'-'))
            word.remove(0, 1);
        ++first;
        if (word == u"language" && first != words.end()) {
            if (!languageGiven)
                requested = *first;
            languageGiven = true;
            ++first;
        } else if (word.startsWith(u"language=") && !languageGiven) {
            requested = word.section(u'=', 1);
            languageGiven = true;
        }
    }
    const QStringList programWords(words.begin(), first);
    i18n::setLanguage(requested.isEmpty() ? i18n::desktopLanguage()
                                          : i18n::chooseLanguage({requested}));
    QCommandLineParser parser;
    configureProgram(parser);
    int status = kExitOk;
    if (!parse(parser, programWords, nullptr, status))
        return status;
    if (parser.isSet(QStringLiteral("help"))) {
        printTo(stdout, programHelp(parser, commands));
        return kExitOk;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        printTo(stdout, versionText() + u'\n');
        return kExitOk;
    }
    if (first != words.end()) {
        const auto command = std::find_if(commands.begin(), commands.end(),
                                          [&](const Command& c) { return qstr(c.name) == *first; });
        if (command == commands.end())
            return usageError(nullptr,
                              i18n::translate("CommandLine", "unknown command '%1'").arg(*first));
        QStringList commandWords(first + 1, words.end());
        commandWords.prepend(commandLineName(&*command));
        return runCommand(*command, commandWords, argv0);
    }

    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return windows(*running);
    std::unique_ptr<QApplication> app = displayApplication(argv0);
    if (!app)
        return kExitFailure;
    setUpApplication(*app);
    return windows(*app);
}

bool Invocation::isSet(std::string_view option) const
{
    return parser_.isSet(qstr(option));
}

QString Invocation::value(std::string_view option) const
{
    return parser_.value(qstr(option));
}

QStringList Invocation::values(std::string_view option) const
{
    return parser_.values(qstr(option));
}

std::optional<int> Invocation::number(std::string_view option, QString* error) const
{
    if (!isSet(option))
        return std::nullopt;
    bool ok = false;
    const QString text = value(option);
    const int n = text.toInt(&ok);
    if (ok)
        return n;
    if (error->isEmpty())
        *error = i18n::translate("CommandLine", "--%1 takes a whole number, not '%2'")
                     .arg(qstr(option), text);
    return std::nullopt;
}

int Invocation::usageError(const QString& message) const
{
    return cli::usageError(&command_, message);
}

int Invocation::failure(const QString& message) const
{
    printTo(stderr, QStringLiteral("%1: %2\n").arg(commandLineName(&command_), message));
    return kExitFailure;
}

} // namespace velantra::cli
