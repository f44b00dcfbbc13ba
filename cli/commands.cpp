#include "cli/commands.h"

namespace velantra::cli
{

std::span<const Command> commands()
{
    // One row per subcommand: a `Command` declared beside the code it runs (see cli/command.h).
    static constexpr std::initializer_list<Command> kCommands = {};
    return {kCommands.begin(), kCommands.size()};
}

} // namespace velantra::cli
