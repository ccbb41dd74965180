#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "cli/answering_prompter.h"
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands/commands.h"
#include "cli/job_start.h"
#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/engine2d/result_files.h"
#include "core/job/job_file.h"
#include "core/layouts/edit_form.h"
#include "core/layouts/layout_edit.h"
#include "core/reports/layouts_load.h"
#include "core/tables/grid_keys.h"
#include "core/tables/table_file.h"

namespace lumora::cli {
namespace {

constexpr Option kOptions[] = {
    {"--layout", "L", "The layout to edit.", OptionUse::kRequired},
    {"--at", "X,Y", "Clicks the drawing there (millimetres): the piece or leftover to edit.",
     OptionUse::kRequired},
    {"--add", "N", "Adds to the layout: 0 a balance, N a piece of glass size N.",
     OptionUse::kOrPrevious},
    {"--xs", "X", "Types X into the Edit dialog's XS."},
    {"--ys", "Y", "Types Y into YS."},
    {"--dim-x", "W", "Types W into DIM-X."},
    {"--dim-y", "H", "Types H into DIM-Y."},
    {"--orn", "1|2", "Types the orientation into ORN."},
    {"--delete", "", "Presses Delete instead of Move, Modify or Add."},
    {"--strict", "", "Answers the questions of the edit No, their default, instead of Yes."},
    kCoilOption,
    kOutJobOption,
    kDataDirOption,
};

// The Edit dialog's cells the options type into, in the order a person fills them.
constexpr std::pair<const char*, int> kTypedCells[] = {{"--xs", edit_col::kXs},
                                                       {"--ys", edit_col::kYs},
                                                       {"--dim-x", edit_col::kDimX},
                                                       {"--dim-y", edit_col::kDimY},
                                                       {"--orn", edit_col::kOrn}};

// "X,Y" in millimetres.
std::optional<std::pair<float, float>> ReadPoint(const std::string& text) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const std::string x = text.substr(0, comma);
  const std::string y = text.substr(comma + 1);
  if (!IsNumberText(x) || !IsNumberText(y)) return std::nullopt;
  return std::pair{ReadFloat(x), ReadFloat(y)};
}

// Types the option's text into a cell by the keys the dialog's grid takes, then applies the
// orientation rule as the dialog does after a key; the message when the dialog hides the cell
// or does not take the text.
std::optional<std::string> TypeInto(EditForm& form, EditMode mode, const char* option, int col,
                                    const std::string& text) {
  for (const int hidden : LayoutOfEditMode(mode).hidden_columns) {
    if (hidden == col) {
      return std::string(option) + ": the Edit dialog \"" + form.caption + "\" has no " +
             form.grid.Text(0, col);
    }
  }
  form.grid.row = 1;
  form.grid.col = col;
  GridKeyDown(form.grid, kKeyDelete);
  for (const char c : text) TypeKey(form.grid, c, false);
  if (form.grid.Text(1, col) != text) {
    return std::string(option) + ": the Edit dialog does not take '" + text + "'";
  }
  ApplyOrnRule(form.grid);
  return std::nullopt;
}

}  // namespace

const OptionTable kEditOptions = kOptions;

int RunEdit(const Arguments& parsed) {
  const bool at = parsed.Value("--at").has_value();
  if (parsed.positional.size() != 1 || !parsed.Value("--layout") ||
      at == parsed.Value("--add").has_value()) {
    return Fail(kExitUsage, parsed.usage);
  }
  std::optional<int> layout_no;
  std::optional<int> addition;
  for (const auto& error : {ReadWholeOption(parsed, "--layout", 1, kMaxListCount, layout_no),
                            ReadWholeOption(parsed, "--add", 0, kMaxListCount, addition)}) {
    if (error) return Fail(kExitUsage, *error);
  }
  const std::optional<std::pair<float, float>> point =
      at ? ReadPoint(*parsed.Value("--at")) : std::nullopt;
  if (at && !point) return Fail(kExitUsage, "--at needs X,Y in millimetres");

  AnsweringPrompter prompter(std::cout, parsed.Has("--strict"));
  CommandJob command_job;
  if (const auto error = command_job.Open(parsed, prompter)) return Fail(kExitUsage, *error);
  Job& job = command_job.job();
  const ResultLoad load = LoadResult(job);
  if (!load.error.empty()) return Fail(kExitUsage, load.error);
  const LoadedResult& result = load.result;
  if (*layout_no > result.LayoutCount()) {
    return Fail(kExitUsage, "--layout " + GeneralText(*layout_no) + ": the result has " +
                                GeneralText(result.LayoutCount()) + " layouts");
  }
  const LayoutRange range = RangeOfLayout(result, *layout_no);
  std::optional<EditTarget> target;
  if (point) {
    const int hit = HitTest(result.shown, range, point->first, point->second);
    if (hit == 0) {
      return Fail(kExitUsage, "nothing of layout " + GeneralText(*layout_no) + " lies at " +
                                  *parsed.Value("--at"));
    }
    target = EditTargetOf(result.elements, hit);
  } else {
    target = AdditionOf(result.glasses, *addition);
    if (!target) {
      return Fail(kExitUsage, "--add " + GeneralText(*addition) + ": the job has " +
                                  GeneralText(result.glasses.Count()) + " glass sizes");
    }
  }

  const Workspace& workspace = job.workspace;
  if (const auto error = WriteEditFile(workspace, result, range, *target)) {
    return Fail(kExitUsage, *error);
  }
  EditForm form = OpenEditForm(target->mode, workspace);
  for (const auto& [option, col] : kTypedCells) {
    const std::optional<std::string> text = parsed.Value(option);
    if (!text) continue;
    if (const auto error = TypeInto(form, target->mode, option, col, *text)) {
      return Fail(kExitUsage, *error);
    }
  }
  const bool deleting = parsed.Has("--delete");
  if (deleting && !form.delete_enabled) {
    return Fail(kExitUsage, "--delete: the Edit dialog \"" + form.caption + "\" has no Delete");
  }
  const EditButtonOutcome outcome =
      PressEditButton(form, deleting ? EditButton::kDelete : EditButton::kConfirm, prompter);
  // The dialog refused the position and stays open: nothing is stored.
  if (!outcome.close) return kExitRefused;
  if (const auto error = CloseEditForm(form)) return Fail(kExitUsage, *error);

  const std::string dia = workspace.WorkingFile(kLayoutFileName);
  const std::optional<std::string> before = ReadFileBytes(dia, kTableFileLimit);
  LayoutHistory history;
  if (const auto error = CommitEdit(workspace, result, *layout_no, *target, history, prompter)) {
    return Fail(kExitUsage, *error);
  }
  if (ReadFileBytes(dia, kTableFileLimit) == before) {
    std::cout << "The edit was not stored.\n";
    return kExitRefused;
  }
  if (!SaveJob(job, parsed.Value("-o").value_or(parsed.positional[0]), prompter)) {
    return kExitUsage;
  }
  const ResultStatus status = ResultStatusTexts(job);
  std::cout << status.status.yield << "  " << status.status.layouts << "  " << status.status.profit
            << "\n";
  return kExitOk;
}

}  // namespace lumora::cli
