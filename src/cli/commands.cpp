#include "commands.h"

#include "coefficientscommand.h"
#include "needscommand.h"
#include "pensioncommand.h"

namespace izoku::cli {

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {CoefficientsCommand(), PensionCommand(), NeedsCommand()};
    return commands;
}

} // namespace izoku::cli
