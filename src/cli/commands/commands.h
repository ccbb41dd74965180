#ifndef LUMORA_CLI_COMMANDS_COMMANDS_H_
#define LUMORA_CLI_COMMANDS_COMMANDS_H_

#include "cli/arguments.h"
#include "cli/options.h"

// The lumora-cli commands, one file each: the option table of a command and its entry point,
// called with the arguments parsed by that table.
namespace lumora::cli {

extern const OptionTable kSummaryOptions;
int RunSummary(const Arguments& parsed);

extern const OptionTable kCheckOptions;
int RunCheck(const Arguments& parsed);

extern const OptionTable kOptimizeOptions;
int RunOptimize(const Arguments& parsed);

extern const OptionTable kReportOptions;
int RunReport(const Arguments& parsed);

extern const OptionTable kLabelsOptions;
int RunLabels(const Arguments& parsed);

extern const OptionTable kRenderOptions;
int RunRender(const Arguments& parsed);

extern const OptionTable kCutsOptions;
int RunCuts(const Arguments& parsed);

extern const OptionTable kBreakoutOptions;
int RunBreakout(const Arguments& parsed);

extern const OptionTable kRacksOptions;
int RunRacks(const Arguments& parsed);

extern const OptionTable kRecutOptions;
int RunRecut(const Arguments& parsed);

extern const OptionTable kLibraryOptions;
int RunLibrary(const Arguments& parsed);

extern const OptionTable kProductsOptions;
int RunProducts(const Arguments& parsed);

extern const OptionTable kAlternateOptions;
int RunAlternate(const Arguments& parsed);

extern const OptionTable kEditOptions;
int RunEdit(const Arguments& parsed);

extern const OptionTable kImportOptions;
int RunImport(const Arguments& parsed);

extern const OptionTable kExportOptions;
int RunExport(const Arguments& parsed);

}  // namespace lumora::cli

#endif  // LUMORA_CLI_COMMANDS_COMMANDS_H_
