#include "core/library/product_loading.h"

#include <filesystem>
#include <map>
#include <set>
#include <utility>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_messages.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/library/library_files.h"
#include "core/library/product_library.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr std::string_view kGroupPrefix = "[MAT=";
// The objective of a fresh job, for a generation without a "Defaults" job.
constexpr std::string_view kFreshOptions = "-1,0\r\n";

struct Group {
  std::string name;
  std::vector<std::string> basic_start;  // MAT, GRADE, THICK
  std::string glass_lines;
};

std::string GlassLine(const std::vector<std::string>& piece, std::string_view order_customer,
                      float ordered) {
  std::vector<std::string> row(GlassHeaders().size());
  row[glass_col::kL1 - 1] = piece[plm_col::kLength - 1];
  row[glass_col::kL2 - 1] = piece[plm_col::kWidth - 1];
  row[glass_col::kQty - 1] = GeneralText(ReadFloat(piece[plm_col::kQty - 1]) * ordered);
  row[glass_col::kCustomer - 1] = std::string(order_customer);
  row[glass_col::kRef - 1] = piece[plm_col::kProduct - 1];
  row[glass_col::kSite - 1] = piece[plm_col::kCustomer - 1];
  return QuotedLine(row);
}

// The Basic Details row of a group's job: MAT, GRADE and THICK, then the template row's fields
// after its first three (empty without a template row).
std::string BasicLine(const Group& group, std::string_view template_basic) {
  std::vector<std::string> row = group.basic_start;
  const auto template_rows =
      ReadRecords(template_basic, static_cast<int>(BasicDetailsHeaders().size()));
  for (size_t c = row.size(); c < BasicDetailsHeaders().size(); ++c) {
    row.push_back(template_rows.empty() ? std::string() : template_rows.front()[c]);
  }
  return QuotedLine(row);
}

void Tell(Prompter& prompter, std::string text, PromptIcon icon) {
  prompter.Ask({.title = std::string(kAttentionTitle),
                .text = std::move(text),
                .icon = icon,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

}  // namespace

Grid OpenOrderGrid(const Workspace& workspace) {
  Grid grid;
  ApplyFormatString(grid, BuildFormatString({"PRODUCTS", "QTY", "CUSTOMER"}));
  RenumberRows(grid);
  grid.tag = workspace.SettingsFile(kOrderFile);
  DeleteFiles(grid.tag);
  LoadTable(grid);
  return grid;
}

void CloseOrderGrid(const Workspace& workspace) { DeleteFiles(workspace.SettingsFile(kOrderFile)); }

std::string MaterialGroupName(std::string_view mat, std::string_view grade,
                              std::string_view thick) {
  return std::string(kGroupPrefix) + std::string(mat) + ",GRADE=" + std::string(grade) +
         ",THICK=" + GeneralText(ReadFloat(thick)) + "]";
}

std::string FileNameSafe(std::string_view text) {
  constexpr std::string_view kRefused = "/\\:*?\"<>|";
  std::string safe(text);
  for (char& c : safe) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || kRefused.find(c) != std::string_view::npos) c = '_';
  }
  return safe;
}

std::vector<PlannedJob> PlanJobs(std::string_view product_library, const Grid& orders,
                                 const std::optional<std::string>& defaults_job) {
  const auto pieces = ReadRecords(product_library, plm_col::kCount);
  std::vector<Group> groups;
  std::map<std::string, size_t> group_index;
  for (int r = 1; r < orders.Rows(); ++r) {
    const std::string product(TrimBlanks(orders.Text(r, order_col::kProducts)));
    const float ordered = ReadFloat(orders.Text(r, order_col::kQty));
    if (product.empty() || !(ordered > 0.0f)) continue;
    const std::string customer(TrimBlanks(orders.Text(r, order_col::kCustomer)));
    for (const auto& piece : pieces) {
      if (piece[plm_col::kProduct - 1] != product) continue;
      const std::string& piece_customer = piece[plm_col::kCustomer - 1];
      if (!piece_customer.empty() && piece_customer != customer) continue;
      const std::string& mat = piece[plm_col::kMat - 1];
      const std::string& grade = piece[plm_col::kGrade - 1];
      const std::string thick = GeneralText(ReadFloat(piece[plm_col::kThick - 1]));
      const std::string name = MaterialGroupName(mat, grade, thick);
      const auto [found, is_new] = group_index.try_emplace(name, groups.size());
      if (is_new) groups.push_back({name, {mat, grade, thick}, {}});
      groups[found->second].glass_lines += GlassLine(piece, customer, ordered);
    }
  }

  JobTables template_tables;
  if (defaults_job) {
    template_tables = SplitJobFile(*defaults_job);
  } else {
    template_tables[kOptionsTable] = std::string(kFreshOptions);
  }
  std::vector<PlannedJob> jobs;
  for (const Group& group : groups) {
    JobTables tables = template_tables;
    tables[kBasicTable] = BasicLine(group, template_tables[kBasicTable]);
    tables[kCutTable] = group.glass_lines + template_tables[kCutTable];
    // Layouts the template may carry belong to other glass; a new job has none.
    tables[kDiaTable].clear();
    jobs.push_back({group.name, JoinJobFile(tables)});
  }
  return jobs;
}

std::string JobFileNaming::FileName(std::string_view group) const {
  return base_name + FileNameSafe(group) + extension;
}

std::string JobFileNaming::Path(std::string_view group) const {
  if (folder.empty()) return FileName(group);
  return (std::filesystem::path(folder) / FileName(group)).string();
}

GeneratedJobs GenerateJobs(const Workspace& workspace, const Grid& orders,
                           const JobFileNaming& naming, Prompter& prompter) {
  // Only what an earlier generation wrote goes: a job of the user's that merely starts with
  // the base name stays.
  JobFileNaming earlier = naming;
  earlier.base_name += std::string(kGroupPrefix) + "*";
  const std::string earlier_pattern = earlier.Path("");

  const std::vector<PlannedJob> jobs = PlanJobs(
      ReadFileBytes(workspace.SettingsFile(kProductLibraryFile), kTableFileLimit).value_or(""),
      orders, ReadFileBytes(workspace.SettingsFile("Defaults"), kJobFileLimit));
  if (jobs.empty()) {
    DeleteFiles(earlier_pattern);
    Tell(prompter, "Could not generate '" + naming.base_name + "' files.", PromptIcon::kQuestion);
    return {};
  }
  std::vector<FileBytes> files;
  for (const PlannedJob& job : jobs) files.push_back({naming.Path(job.group), job.bytes});
  // The new set is complete on disk before anything of the earlier one goes, so a full disk
  // or a read-only folder leaves the earlier generation as it was.
  if (const auto failure = WriteFilesAtomically(files)) {
    TellSaveFailure(prompter, *failure);
    return {{}, static_cast<int>(jobs.size())};
  }
  GeneratedJobs written{{}, static_cast<int>(jobs.size())};
  std::set<std::filesystem::path> new_names;
  for (FileBytes& file : files) {
    new_names.insert(std::filesystem::path(file.path).filename());
    written.files.push_back(std::move(file.path));
  }
  for (const std::string& stale : MatchingFiles(earlier_pattern)) {
    if (new_names.count(std::filesystem::path(stale).filename()) == 0) {
      std::error_code error;
      std::filesystem::remove(stale, error);
    }
  }
  Tell(prompter,
       GeneralText(static_cast<int>(jobs.size())) + " '" + naming.base_name +
           "' file(s) starting from " + naming.FileName(jobs.front().group) + " generated.",
       PromptIcon::kInformation);
  return written;
}

}  // namespace lumora
