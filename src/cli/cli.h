#ifndef LUMORA_CLI_CLI_H_
#define LUMORA_CLI_CLI_H_

#include <string>
#include <string_view>
#include <vector>

namespace lumora::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;

// One command of lumora-cli.
struct Command {
  std::string_view name;
  std::string_view usage;    // the arguments, as shown by --help
  std::string_view summary;  // one line saying what it does
  int (*run)(const std::vector<std::string>& args);
};

// Every command, in the order --help lists them.
const std::vector<Command>& Commands();

// Runs lumora-cli with the process arguments.
int Run(int argc, char** argv);

// Prints "lumora-cli: <message>" on stderr and returns the exit code.
int Fail(int exit_code, std::string_view message);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_CLI_H_
