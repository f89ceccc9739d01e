#include "commands.h"

#include "coefficientscommand.h"
#include "pensioncommand.h"

namespace izoku::cli {

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {CoefficientsCommand(), PensionCommand()};
    return commands;
}

}  // namespace izoku::cli
