#include "app/commands.h"

#include "cards/cardcommand.h"
#include "cards/reportcommand.h"
#include "levers/leverscommand.h"
#include "plan/plancommand.h"

namespace velantra::cli
{

std::span<const Command> commands()
{
    // One row per subcommand: a `Command` declared beside the code it runs (see cli/command.h).
    static const std::initializer_list<Command> kCommands = {
        cards::kCardCommand, plan::kPlanCommand, cards::kReportCommand, levers::kLeversCommand};
    return {kCommands.begin(), kCommands.size()};
}

} // namespace velantra::cli
