#include "cli/help.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/shell/installed_data.h"

namespace lumora::cli {
namespace {

// "-o OUT", "--coil": an option as it is typed.
std::string Synopsis(const Option& option) {
  std::string text(option.name);
  if (option.TakesValue()) text.append(" ").append(option.value);
  return text;
}

// The first column of a two-column list, filled up to the second column.
std::string Column(std::string_view text, size_t width) {
  std::string column(text);
  column.resize(width + 2, ' ');
  return column;
}

void PrintOption(std::ostream& out, const Option& option, size_t width) {
  out << "  " << Column(Synopsis(option), width) << option.help << "\n";
}

// The command's usage after "  NAME ", its parts wrapped onto lines of kUsageWidth columns that
// go on under the arguments.
std::string WrappedUsage(const Command& command) {
  constexpr size_t kUsageWidth = 90;
  constexpr std::string_view kGoOn = "\n           ";
  std::string usage;
  size_t column = 2 + command.name.size();
  for (const std::string& part : UsageParts(command)) {
    if (!usage.empty() && column + 1 + part.size() > kUsageWidth) {
      usage.append(kGoOn).append(part);
      column = kGoOn.size() - 1 + part.size();
    } else {
      usage.append(usage.empty() ? "" : " ").append(part);
      column += 1 + part.size();
    }
  }
  return usage;
}

}  // namespace

void PrintHelp(std::ostream& out) {
  out << "Usage: lumora-cli COMMAND [ARGUMENTS]\n"
         "       lumora-cli --help | --version\n"
         "       lumora-cli COMMAND --help\n\n"
         "Plans guillotine cuts of glass pieces from stock sheets or coils.\n\n"
         "Commands:\n";
  for (const Command& command : Commands()) {
    out << "  " << command.name << " " << WrappedUsage(command) << "\n      " << command.summary
        << "\n";
  }
  out << "\nEvery command takes --data-dir DIR; without it $LUMORA_HOME or the user's data\n"
         "folder holds the settings, libraries and the Defaults job.\n";
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::string installed =
      InstalledDataFolder(program.parent_path().string(), LUMORA_SOURCE_DATA_DIR);
  if (!installed.empty()) {
    out << "Example jobs are in " << installed << "/examples, the manual in " << installed
        << "/help.\n";
  }
  out << "\nExit codes:\n";
  size_t width = 0;
  for (const ExitCode& code : kExitCodes) width = std::max(width, code.name.size());
  for (const ExitCode& code : kExitCodes) {
    out << "  " << code.number << "  " << Column(code.name, width) << code.meaning << "\n";
  }
}

void PrintCommandHelp(std::ostream& out, const Command& command) {
  out << "Usage: lumora-cli " << command.name << " " << WrappedUsage(command) << "\n\n"
      << command.summary << "\n\nOptions:\n";
  size_t width = Synopsis(kHelpOption).size();
  for (const Option& option : command.options) width = std::max(width, Synopsis(option).size());
  for (const Option& option : command.options) PrintOption(out, option, width);
  PrintOption(out, kHelpOption, width);
}

}  // namespace lumora::cli
