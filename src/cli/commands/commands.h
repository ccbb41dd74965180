#ifndef LUMORA_CLI_COMMANDS_COMMANDS_H_
#define LUMORA_CLI_COMMANDS_COMMANDS_H_

#include <string>
#include <vector>

// The entry points of the lumora-cli commands, one file each.
namespace lumora::cli {

int RunSummary(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunOptimize(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunLabels(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunLibrary(const std::vector<std::string>& args);
int RunProducts(const std::vector<std::string>& args);
int RunAlternate(const std::vector<std::string>& args);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_COMMANDS_COMMANDS_H_
