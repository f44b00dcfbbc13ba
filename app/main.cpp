#include "app/application.h"
#include "app/commands.h"
#include "cli/commandline.h"

#if defined(_WIN32)
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// A window program on Windows gets no console: started from one with arguments (velantra
// --help), it writes to that console, unless its output already goes to a file or a pipe.
static void writeToParentConsole(int argc)
{
    if (argc < 2 || GetStdHandle(STD_OUTPUT_HANDLE) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

// The same bytes on every system: lines end in "\n" alone, for the scripts that read them.
static void writeLinesAsOnLinux()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}
#endif

int main(int argc, char** argv)
{
#if defined(_WIN32)
    writeToParentConsole(argc);
    writeLinesAsOnLinux();
#endif
    return velantra::cli::run({argv, std::size_t(argc)}, velantra::cli::commands(),
                              velantra::runWindows);
}
