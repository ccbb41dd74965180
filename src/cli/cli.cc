#include "cli/cli.h"

#include <unistd.h>

#include <iostream>

#include "cli/commands/commands.h"
#include "cli/help.h"
#include "core/base/text_charset.h"
#include "core/base/version.h"

namespace lumora::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"summary", "JOB [--data-dir DIR]", "Prints what a job file holds.", kSummaryOptions,
       RunSummary},
      {"check", "JOB [--result] [--coil] [--data-dir DIR] [--strict]",
       "Runs the checks before an optimization and prints every question they would ask, or\n"
       "      checks the job's stored layouts against the layout rules (--result).",
       kCheckOptions, RunCheck},
      {"optimize",
       "JOB [-o OUT] [--coil] [--eff N] [--objective yield|layouts] [--threads N]\n"
       "           [--stop-after-pass K] [--resume K] [--engine standard|deep] [--time-limit S]\n"
       "           [--budget N] [--seed N] [--data-dir DIR] [--strict] [--quiet]",
       "Optimizes a job and writes it back (or to OUT) with the best result.", kOptimizeOptions,
       RunOptimize},
      {"report", "JOB [--unit MM|IN] [--coil] [--out-dir DIR] [--data-dir DIR]",
       "Writes offcut.tlf, report.tlf and sheets.Adj of the job's result and prints the report.",
       kReportOptions, RunReport},
      {"labels", "JOB [--unit MM|IN] [-o FILE] [--pdf FILE] [--coil] [--data-dir DIR]",
       "Writes the labels of the job's result (lbl.tlf) by the data folder's lbl.def, or prints\n"
       "      them to a PDF file as the desktop prints them.",
       kLabelsOptions, RunLabels},
      {"render",
       "JOB [--layout N | --all] [--unit MM|IN] [--coil] [--data-dir DIR] [--width PX]\n"
       "           -o FILE",
       "Draws a layout as the Layouts window does (.png, .svg), prints layouts (.pdf) or\n"
       "      writes them all as one DXF drawing (.dxf).",
       kRenderOptions, RunRender},
      {"cuts", "JOB [--layout N] [--csv] [--unit MM|IN] [--coil] [--data-dir DIR]",
       "Prints the order of the guillotine cuts of every layout (or of layout N) with the\n"
       "      number and length of the cuts per layout and over every sheet (on a coil, with the\n"
       "      coil length used).",
       kCutsOptions, RunCuts},
      {"library", "merge [--data-dir DIR] | import JOB [--data-dir DIR]",
       "Merges the duplicates of mlm.dat, or imports the stock of a job's item into the job.",
       kLibraryOptions, RunLibrary},
      {"products", "load ORDERS --base NAME [--data-dir DIR]",
       "Generates one job file NAME[MAT=..,GRADE=..,THICK=..].OPT per material of an order.",
       kProductsOptions, RunProducts},
      {"alternate", "JOB --layout L [--tries N] [--coil] [-o OUT] [--data-dir DIR]",
       "Tries alternate arrangements of layout L (N times Try Next, then Keep) and writes the\n"
       "      job back (or to OUT).",
       kAlternateOptions, RunAlternate},
      {"edit",
       "JOB --layout L (--at X,Y | --add N) [--xs X] [--ys Y] [--dim-x W] [--dim-y H]\n"
       "           [--orn 1|2] [--delete] [--strict] [--coil] [-o OUT] [--data-dir DIR]",
       "Edits layout L by hand as the Layouts window does (a click at X,Y or Add New, the Edit\n"
       "      dialog's values and button) and writes the job back (or to OUT).",
       kEditOptions, RunEdit},
      {"import",
       "JOB [--glass FILE] [--stock FILE] [--map MAP] [--stock-map MAP] [--unit MM|IN]\n"
       "           [--replace] [--strict] [--coil] [-o OUT] [--data-dir DIR]",
       "Adds the rows of glass and stock lists (CSV or tab separated, as spreadsheets save\n"
       "      them) to the job, or puts them in place of its rows, and writes it back (or to OUT).",
       kImportOptions, RunImport},
      {"export",
       "JOB -o FILE.xlsx|FILE.csv [--what PARTS] [--unit MM|IN] [--coil] [--data-dir DIR]",
       "Writes the glass and stock lists, the report's summaries and the balance table to a\n"
       "      workbook (a sheet each) or to CSV.",
       kExportOptions, RunExport},
  };
  return commands;
}

std::string StdoutText(std::string_view latin1) {
  static const std::string charset = isatty(STDOUT_FILENO) == 1 ? LocaleCharset() : "UTF-8";
  return TextInCharset(latin1, charset);
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
      Arguments parsed;
      if (const auto error = ParseArguments(std::vector<std::string>(args.begin() + 1, args.end()),
                                            command.options, parsed)) {
        return Fail(kExitUsage, *error);
      }
      if (parsed.Has(std::string(kHelpOption.name))) {
        PrintCommandHelp(std::cout, command);
        return kExitOk;
      }
      return command.run(parsed);
    }
  }
  return Fail(kExitUsage, "unknown command '" + args[0] + "' (see lumora-cli --help)");
}

}  // namespace lumora::cli
