#ifndef LUMORA_CORE_SHELL_COMMAND_LINE_H_
#define LUMORA_CORE_SHELL_COMMAND_LINE_H_

#include <string>
#include <vector>

namespace lumora {

// The job file named on the command line: the words after the options joined by single blanks
// (so an unquoted name with blanks survives the shell's splitting), and a name that begins with
// a double quote taken as enclosed in quotes. Empty when no job was named.
std::string CommandLineJobFile(const std::vector<std::string>& words);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_COMMAND_LINE_H_
