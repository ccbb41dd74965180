#ifndef LUMORA_CLI_ARGUMENTS_H_
#define LUMORA_CLI_ARGUMENTS_H_

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/options.h"

namespace lumora::cli {

// The arguments of one command: options with values, switches, and the positional arguments.
struct Arguments {
  std::map<std::string, std::string> values;
  std::set<std::string> switches;
  std::vector<std::string> positional;
  // "usage: NAME ARGUMENTS": what a command that was called wrongly answers.
  std::string usage;

  std::optional<std::string> Value(const std::string& option) const;
  bool Has(const std::string& option) const { return switches.count(option) > 0; }
};

// The option's value as a whole number within [lo, hi] into `value` (left alone when the option
// was not given); the message to show when it is not one.
std::optional<std::string> ReadWholeOption(const Arguments& parsed, const std::string& option,
                                           int lo, int hi, std::optional<int>& value);

// Parses "--name value", "--name=value" and switches by the command's option table (and
// --help); anything unknown that starts with "-" is an error, returned as the message to show.
std::optional<std::string> ParseArguments(const std::vector<std::string>& args, OptionTable options,
                                          Arguments& parsed);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_ARGUMENTS_H_
