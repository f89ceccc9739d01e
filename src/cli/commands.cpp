#include "commands.h"

namespace izoku::cli {

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {};
    return commands;
}

}  // namespace izoku::cli
