#include "app/application.h"
#include "cli/commandline.h"
#include "cli/commands.h"

int main(int argc, char** argv)
{
    return velantra::cli::run({argv, std::size_t(argc)}, velantra::cli::commands(),
                              velantra::runWindows);
}
