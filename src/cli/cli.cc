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
      {"summary", "JOB", "Prints what a job file holds.", kSummaryOptions, RunSummary},
      {"check", "JOB",
       "Runs the checks before an optimization and prints every question they would ask, or\n"
       "      checks the job's stored layouts against the layout rules (--result).",
       kCheckOptions, RunCheck},
      {"optimize", "JOB", "Optimizes a job and writes it back (or to OUT) with the best result.",
       kOptimizeOptions, RunOptimize},
      {"report", "JOB",
       "Writes offcut.tlf, report.tlf and sheets.Adj of the job's result and prints the report.",
       kReportOptions, RunReport},
      {"labels", "JOB",
       "Writes the labels of the job's result (lbl.tlf) by the data folder's lbl.def, or prints\n"
       "      them to a PDF file as the desktop prints them.",
       kLabelsOptions, RunLabels},
      {"render", "JOB",
       "Draws a layout as the Layouts window does (.png, .svg), prints layouts (.pdf) or\n"
       "      writes them all as one DXF drawing (.dxf).",
       kRenderOptions, RunRender},
      {"cuts", "JOB",
       "Prints the order of the guillotine cuts of every layout (or of layout N) with the\n"
       "      number and length of the cuts per layout and over every sheet (on a coil, with the\n"
       "      coil length used).",
       kCutsOptions, RunCuts},
      {"breakout", "JOB",
       "Lists every piece of every sheet in the order the pieces leave the table, numbered per\n"
       "      layout and over the job, with its customer and weight.",
       kBreakoutOptions, RunBreakout},
      {"racks", "JOB",
       "Plans the racks of the data folder's racks.dat for the pieces in breakout order: one\n"
       "      stack (or customer) per slot, no rack over its load, and the pieces no rack takes.",
       kRacksOptions, RunRacks},
      {"recut", "JOB",
       "Writes a job of the broken pieces to cut again, its stock the library's leftovers of\n"
       "      the item first, and records the recut in JOB.",
       kRecutOptions, RunRecut},
      {"library", "merge | import JOB | export JOB",
       "Merges the duplicates of mlm.dat, imports the stock of a job's item into the job, or\n"
       "      exports the job's balances into mlm.dat as the Balance And Scrap Table does.",
       kLibraryOptions, RunLibrary},
      {"products", "load ORDERS",
       "Generates one job file NAME[MAT=..,GRADE=..,THICK=..].OPT per material of an order.",
       kProductsOptions, RunProducts},
      {"alternate", "JOB",
       "Tries alternate arrangements of layout L (N times Try Next, then Keep) and writes the\n"
       "      job back (or to OUT).",
       kAlternateOptions, RunAlternate},
      {"edit", "JOB",
       "Edits layout L by hand as the Layouts window does (a click at X,Y or Add New, the Edit\n"
       "      dialog's values and button) and writes the job back (or to OUT).",
       kEditOptions, RunEdit},
      {"import", "JOB",
       "Adds the rows of glass and stock lists (CSV or tab separated, as spreadsheets save\n"
       "      them) and the flaws of the sheets to the job, or puts them in place of its rows, "
       "and\n"
       "      writes it back (or to OUT); or makes a new job of a challenge instance.",
       kImportOptions, RunImport},
      {"export", "JOB",
       "Writes the glass and stock lists, the report's summaries, the weights and the balance\n"
       "      table to a workbook (a sheet each) or to CSV.",
       kExportOptions, RunExport},
  };
  return commands;
}

std::vector<std::string> UsageParts(const Command& command) {
  std::vector<std::string> parts;
  std::string_view forms = command.arguments;
  while (true) {
    const size_t bar = forms.find(" | ");
    parts.emplace_back(forms.substr(0, bar));
    for (const Option& option : command.options) {
      std::string written(option.name);
      if (option.TakesValue()) written.append(" ").append(option.value);
      if (option.use == OptionUse::kRequired) {
        parts.push_back(written);
      } else if (option.use == OptionUse::kOrPrevious) {
        // A choice between required options is one group: "(--at X,Y | --add N)".
        std::string& previous = parts.back();
        if (previous.back() != ']') previous = "(" + previous + ")";
        previous.insert(previous.size() - 1, " | " + written);
      } else {
        parts.push_back("[" + written + "]");
      }
    }
    if (bar == std::string_view::npos) return parts;
    parts.emplace_back("|");
    forms.remove_prefix(bar + 3);
  }
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
      parsed.usage = "usage: " + std::string(command.name);
      for (const std::string& part : UsageParts(command)) parsed.usage += " " + part;
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
