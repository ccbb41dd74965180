#include <iostream>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/file_routines.h"
#include "core/library/product_loading.h"
#include "core/shell/data_folder.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--base", "NAME", "The name the job files start with.", OptionUse::kRequired},
    kDataDirOption,
};

}  // namespace

const OptionTable kProductsOptions = kOptions;

int RunProducts(const Arguments& parsed) {
  const std::optional<std::string> base = parsed.Value("--base");
  if (parsed.positional.size() != 2 || parsed.positional[0] != "load" || !base) {
    return Fail(kExitUsage, parsed.usage);
  }
  const std::string folder = ResolveDataFolder(parsed.Value("--data-dir"));
  if (const auto error = SeedDataFolder(folder)) return Fail(kExitUsage, *error);
  const std::string& orders_file = parsed.positional[1];
  const FileRead orders_read = ReadFile(orders_file, kTableFileLimit);
  if (!orders_read.bytes) {
    return Fail(kExitUsage,
                "cannot read the order file " + orders_file + ": " + orders_read.reason);
  }

  Grid orders;
  ApplyFormatString(orders, BuildFormatString({"PRODUCTS", "QTY", "CUSTOMER"}));
  LoadTableFromBytes(orders, orders_read.bytes);
  AnsweringPrompter prompter(std::cout, false);
  const GeneratedJobs generated =
      GenerateJobs(Workspace{folder, StartStampNow()}, orders,
                   JobFileNaming{.folder = "", .base_name = *base}, prompter);
  for (const std::string& file : generated.files) std::cout << file << "\n";
  if (generated.planned == 0) return kExitRefused;
  return static_cast<int>(generated.files.size()) == generated.planned ? kExitOk : kExitUsage;
}

}  // namespace lumora::cli
