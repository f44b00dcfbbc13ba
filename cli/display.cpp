#include "cli/display.h"

#include "i18n/language.h"

#include <QByteArray>
#include <QList>
#include <cstdio>
#include <cstdlib>

namespace velantra::cli
{
namespace
{

// Qt keeps a reference to the argument count and the argument vector for the application's life;
// Qt's options are never taken from the user's command line, only the program name is passed.
int qtArgc = 0;
char* qtArgv[4] = {};
char platformOption[] = "-platform";
#if defined(Q_OS_WIN)
// Qt 6.4's default GDI font engine drops letters and spaces them unevenly in the layouts' faces
// (seen under Wine: "ntelligent Fixt.", "OR VO"); DirectWrite draws them smoothed at the advances
// FreeType gives on Linux.
char directWrite[] = "windows:fontengine=directwrite";
#else
char offscreen[] = "offscreen";
#endif
char fallbackName[] = "velantra";

// What Qt says while it opens the display: held back, and replayed once the display is open.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> held;

void holdWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Qt would abort with advice about reinstalling; the cause is the missing display.
        const QByteArray line =
            i18n::translate("CommandLine", "velantra: cannot open a display; run it in a desktop "
                                           "session or under xvfb-run")
                .toLocal8Bit() +
            '\n';
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.append({type, context.category ? QByteArray(context.category) : QByteArray(), text});
}

// A command prints only its own lines: Qt's notes and warnings (a missing XDG_RUNTIME_DIR, a
// font substituted) mean nothing to a script. Errors still reach standard error.
QtMessageHandler qtOwnHandler = nullptr;

void onlyErrors(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    if (qtOwnHandler) {
        qtOwnHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        std::fflush(stderr);
    }
}

} // namespace

std::unique_ptr<QApplication> displayApplication(char* argv0)
{
    qtArgc = 1;
    qtArgv[0] = argv0 ? argv0 : fallbackName;
#if defined(Q_OS_WIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { // a platform the user chose wins
        qtArgv[qtArgc++] = platformOption;
        qtArgv[qtArgc++] = directWrite;
    }
#endif
    qtArgv[qtArgc] = nullptr;
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileOpening);
    auto app = std::make_unique<QApplication>(qtArgc, qtArgv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const char* category = message.category.isEmpty() ? nullptr : message.category.constData();
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, category),
                          message.text);
    }
    return app;
}

std::unique_ptr<QApplication> offscreenApplication(char* argv0)
{
#if defined(Q_OS_WIN)
    // Qt's offscreen platform on Windows reads fonts from a folder of its own, which an
    // installed program does not have.
    qtArgc = 1;
    qtArgv[0] = argv0 ? argv0 : fallbackName;
    qtArgv[1] = nullptr;
#else
    qtArgc = 3;
    qtArgv[0] = argv0 ? argv0 : fallbackName;
    qtArgv[1] = platformOption;
    qtArgv[2] = offscreen;
    qtArgv[3] = nullptr;
#endif
    qtOwnHandler = qInstallMessageHandler(onlyErrors);
    return std::make_unique<QApplication>(qtArgc, qtArgv);
}

} // namespace velantra::cli
