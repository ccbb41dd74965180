#ifndef LUMORA_CLI_CLI_H_
#define LUMORA_CLI_CLI_H_

#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/exit_codes.h"
#include "cli/options.h"

namespace lumora::cli {

// One command of lumora-cli: a row of the command table.
struct Command {
  std::string_view name;
  // The positional arguments; the forms of a command with several are separated by " | "
  // ("merge | import JOB"). The usage adds the options to each form.
  std::string_view arguments;
  std::string_view summary;  // one line saying what it does
  OptionTable options;       // what it accepts besides --help, parsed before run is called
  int (*run)(const Arguments& parsed);
};

// Every command, in the order --help lists them.
const std::vector<Command>& Commands();

// The parts of a command's usage, in order: each form of its arguments, then its options ("-o
// OUT" when required, else in brackets), the forms separated by "|".
std::vector<std::string> UsageParts(const Command& command);

// Runs lumora-cli with the process arguments.
int Run(int argc, char** argv);

// Prints "lumora-cli: <message>" on stderr and returns the exit code.
int Fail(int exit_code, std::string_view message);

// Latin-1 text of the files as standard output takes it: in the locale's character set on a
// terminal, else in UTF-8. The files themselves keep their bytes.
std::string StdoutText(std::string_view latin1);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_CLI_H_
