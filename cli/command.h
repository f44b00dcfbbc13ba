#pragma once

// A subcommand of the program (`velantra <name> ...`) as one row of data: its name and one-line
// summary for `velantra --help`, its arguments and options, and the function that runs it. The
// command line parser (cli/commandline.h) reads the row, parses the user's arguments against it,
// prints its help, refuses what it does not know, and hands the rest to `run`.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace velantra::cli
{

// Exit statuses of the program.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the work could not be done (no display, a file not written)
constexpr int kExitUsage = 2;   // the command line was wrong

// Texts joined at compile time, for a row whose description is partly read from a table:
// `kJoined<kHead, kDevicesOffering<...>, kTail>` (each part a constant with static storage).
template <const std::string_view&... Parts> struct Joined {
    static constexpr std::size_t size = (Parts.size() + ... + 0);
    static constexpr auto chars = [] {
        std::array<char, size> text{};
        std::size_t at = 0;
        for (std::string_view part : {Parts...}) {
            for (char c : part)
                text[at++] = c;
        }
        return text;
    }();
};
template <const std::string_view&... Parts>
inline constexpr std::string_view kJoined{Joined<Parts...>::chars.data(), Joined<Parts...>::size};

// An option: `--name`, `-s` when `shortName` is set; it takes a value when `valueName` is set
// (`--address N`, `--address=N`), else it is a switch.
struct Option {
    std::string_view name;
    std::string_view description;
    std::string_view valueName = {};
    std::string_view shortName = {};
};

// A positional argument, in the order given: `<device>`; an optional one is shown `[name]` and
// may be left out (only at the end).
struct Argument {
    std::string_view name;
    std::string_view description;
    bool optional = false;
};

// What a command needs before it runs.
enum class Needs {
    Nothing,
    // An application on the offscreen platform, set up as the windows' (fonts, style): enough
    // to build windows and to draw with QPainter on images, PDF or SVG, without any display.
    Drawing,
};

class Invocation;

struct Command {
    std::string_view name;
    std::string_view summary; // one line, shown in `velantra --help` and atop the command's help
    std::span<const Argument> arguments;
    std::span<const Option> options;
    Needs needs = Needs::Nothing;
    // Returns the exit status: kExitOk, or what usageError / failure returned.
    int (*run)(const Invocation&) = nullptr;
};

// A command's parsed command line, as its run function sees it. Options are named by their long
// name, as in the command's row.
class Invocation
{
public:
    Invocation(const Command& command, const QCommandLineParser& parser)
        : command_(command), parser_(parser)
    {
    }

    const Command& command() const { return command_; }
    // The positional arguments, as many as the row allows (at least its required ones).
    QStringList arguments() const { return parser_.positionalArguments(); }
    bool isSet(std::string_view option) const;
    // The option's value (the last one given), empty when not given.
    QString value(std::string_view option) const;
    // Every value of an option given more than once, in order.
    QStringList values(std::string_view option) const;
    // A whole number option's value; none when it is not given or no whole number, and then the
    // usage error's text in *error unless one is there already.
    std::optional<int> number(std::string_view option, QString* error) const;

    // Prints "velantra <name>: <message> (see 'velantra <name> --help')" on standard error and
    // returns kExitUsage: for values the parser cannot judge (an address out of range, two
    // options that exclude each other).
    int usageError(const QString& message) const;
    // Prints "velantra <name>: <message>" on standard error and returns kExitFailure.
    int failure(const QString& message) const;

private:
    const Command& command_;
    const QCommandLineParser& parser_;
};

} // namespace velantra::cli
