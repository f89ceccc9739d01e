#include "commands.h"

#include "coefficientscommand.h"

namespace izoku::cli {

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {CoefficientsCommand()};
    return commands;
}

}  // namespace izoku::cli
