#ifndef LUMORA_CLI_HELP_H_
#define LUMORA_CLI_HELP_H_

#include <ostream>

#include "cli/cli.h"

namespace lumora::cli {

// lumora-cli --help: the commands, the exit codes and where the examples are.
void PrintHelp(std::ostream& out);

// lumora-cli COMMAND --help: its usage, what it does and its option table.
void PrintCommandHelp(std::ostream& out, const Command& command);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_HELP_H_
