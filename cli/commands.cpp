#include "cli/commands.h"

#include "cards/cardcommand.h"

namespace velantra::cli
{

std::span<const Command> commands()
{
    // One row per subcommand: a `Command` declared beside the code it runs (see cli/command.h).
    static constexpr std::initializer_list<Command> kCommands = {cards::kCardCommand};
    return {kCommands.begin(), kCommands.size()};
}

} // namespace velantra::cli
