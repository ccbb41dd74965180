#include "core/shell/command_line.h"

namespace lumora {

std::string CommandLineJobFile(const std::vector<std::string>& words) {
  std::string name;
  for (const std::string& word : words) {
    if (!name.empty()) name += ' ';
    name += word;
  }
  if (name.empty() || name.front() != '"') return name;
  name.erase(0, 1);
  // Only a closing quote goes: a name that lost it keeps its last character.
  if (!name.empty() && name.back() == '"') name.pop_back();
  return name;
}

}  // namespace lumora
