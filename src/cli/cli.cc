#include "cli/cli.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/commands/commands.h"
#include "core/shell/installed_data.h"
#include "core/version.h"

namespace lumora::cli {
namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: lumora-cli COMMAND [ARGUMENTS]\n"
         "       lumora-cli --help | --version\n\n"
         "Plans guillotine cuts of glass pieces from stock sheets or coils.\n\n"
         "Commands:\n";
  for (const Command& command : Commands()) {
    out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
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
}

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"summary", "JOB [--data-dir DIR]", "Prints what a job file holds.", RunSummary},
      {"check", "JOB [--coil] [--data-dir DIR] [--strict]",
       "Runs the checks before an optimization and prints every question they would ask.",
       RunCheck},
      {"optimize",
       "JOB [-o OUT] [--coil] [--eff N] [--objective yield|layouts] [--threads N]\n"
       "           [--stop-after-pass K] [--resume K] [--data-dir DIR] [--strict] [--quiet]",
       "Optimizes a job and writes it back (or to OUT) with the best result.", RunOptimize},
      {"report", "JOB [--unit MM|IN] [--coil] [--out-dir DIR] [--data-dir DIR]",
       "Writes offcut.tlf, report.tlf and sheets.Adj of the job's result and prints the report.",
       RunReport},
      {"labels", "JOB [--unit MM|IN] [-o FILE] [--pdf FILE] [--coil] [--data-dir DIR]",
       "Writes the labels of the job's result (lbl.tlf) by the data folder's lbl.def, or prints\n"
       "      them to a PDF file as the desktop prints them.",
       RunLabels},
      {"render", "JOB [--layout N | --all] [--unit MM|IN] [--coil] [--data-dir DIR] -o FILE",
       "Draws a layout as the Layouts window does (.png, .svg) or prints layouts (.pdf).",
       RunRender},
      {"library", "merge [--data-dir DIR] | import JOB [--data-dir DIR]",
       "Merges the duplicates of mlm.dat, or imports the stock of a job's item into the job.",
       RunLibrary},
      {"products", "load ORDERS --base NAME [--data-dir DIR]",
       "Generates one job file NAME[MAT=..,GRADE=..,THICK=..].OPT per material of an order.",
       RunProducts},
      {"alternate", "JOB --layout L [--tries N] [--coil] [-o OUT] [--data-dir DIR]",
       "Tries alternate arrangements of layout L (N times Try Next, then Keep) and writes the\n"
       "      job back (or to OUT).",
       RunAlternate},
  };
  return commands;
}

int Fail(int exit_code, std::string_view message) {
  std::cerr << "lumora-cli: " << message << "\n";
  return exit_code;
}

int Run(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(std::cout);
    return kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "lumora-cli " << kVersion << "\n";
    return kExitOk;
  }
  for (const Command& command : Commands()) {
    if (command.name == args[0]) {
      return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
  }
  return Fail(kExitUsage, "unknown command '" + args[0] + "' (see lumora-cli --help)");
}

}  // namespace lumora::cli
