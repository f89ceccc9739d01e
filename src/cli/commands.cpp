#include "commands.h"

#include "coefficientscommand.h"
#include "needscommand.h"
#include "pensioncommand.h"
#include "reportcommand.h"

namespace izoku::cli {

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands = {CoefficientsCommand(), PensionCommand(), NeedsCommand(),
                                                  ReportCommand()};
    return commands;
}

} // namespace izoku::cli
