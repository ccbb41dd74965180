#ifndef LUMORA_CORE_JOB_LIST_IMPORT_RUN_H_
#define LUMORA_CORE_JOB_LIST_IMPORT_RUN_H_

#include <optional>
#include <string>

#include "core/base/prompter.h"
#include "core/base/unit_and_orn.h"
#include "core/job/data_change.h"
#include "core/job/job_line.h"
#include "core/job/list_import.h"

// The questions of an import, asked before the grid changes.
namespace lumora {

struct ImportRun {
  ListKind kind = ListKind::kGlass;
  // The unit of the lengths the rows hold.
  Unit unit = Unit::kMm;
  // The file's name as the messages show it.
  std::string file_name;
  // Replace the grid's rows (true) or add to them (false); nullopt asks when it holds any.
  std::optional<bool> replace;
  // The working dia.tlf whose layouts a change drops, and what dropping them means.
  std::string dia_path;
  ResultViewActions result_actions;
  ChargeTable charges;
  // The job's line data, where a glass list's stacks go; none leaves them out.
  JobLine* line = nullptr;
};

// Imports the rows into the grid once the user agrees: a file without rows is told; otherwise
// the change confirmation of an optimized job comes first, then whether to replace the rows the
// grid holds, then, when some lines do not fit (the rows beyond the grid's room among them),
// whether to go on without them (default No). Answers how many rows were stored, 0 when the grid
// did not change.
int ImportIntoGrid(Grid& grid, const ImportRows& rows, const ImportRun& run, Prompter& prompter);

// Imports a flaw list's rows (PlaceFlaws) into the line data once the user agrees, asking as
// ImportIntoGrid asks: whether to replace the flaws the stock already has (No adds to them),
// and whether to go on without the lines left out. Answers how many flaws were stored.
int ImportFlawsIntoLine(JobLine& line, const Grid& sheet, const ImportRows& rows,
                        const ImportRun& run, Prompter& prompter);

// The text that lists the lines that do not fit, at most `shown` of them.
std::string IssueListText(const std::vector<ImportIssue>& issues, size_t shown);

}  // namespace lumora

#endif  // LUMORA_CORE_JOB_LIST_IMPORT_RUN_H_
