#include "core/layouts/edit_form.h"

#include <algorithm>
#include <string>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/base/version.h"
#include "core/job/job_grids.h"
#include "core/layouts/edit_exchange.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

constexpr int kDataRow = 1;

float CellValue(const Grid& grid, int col) { return ReadFloat(grid.Text(kDataRow, col)); }

void SetCellValue(Grid& grid, int col, float value) {
  grid.SetText(kDataRow, col, GeneralText(value));
}

void Refuse(Prompter& prompter, float limit, std::string_view message) {
  prompter.Ask({.title = kApplicationTitle,
                .text = GeneralText(limit) + std::string(message),
                .icon = PromptIcon::kCritical});
}

}  // namespace

EditModeLayout LayoutOfEditMode(EditMode mode) {
  switch (mode) {
    case EditMode::kMove:
      return {"Delete / Move Existing Glass-Piece",
              "Move",
              true,
              {edit_col::kDimX, edit_col::kDimY},
              2};
    case EditMode::kModify:
      return {"Delete / Modify Existing Balance", "Modify", true, {edit_col::kOrn, 0}, 3};
    case EditMode::kAddBalance:
      return {"Define Position & Size of New Balance", "Add", false, {edit_col::kOrn, 0}, 3};
    case EditMode::kAddGlassPiece:
      break;
  }
  return {"Define Position & Orientation of New Glass-Piece",
          "Add",
          false,
          {edit_col::kDimX, edit_col::kDimY},
          2};
}

int EditHelpTopic(std::string_view caption) {
  return caption.find("Glass-Piece") != std::string_view::npos ? 38 : 39;
}

EditForm OpenEditForm(EditMode mode, const Workspace& workspace) {
  const EditModeLayout layout = LayoutOfEditMode(mode);
  EditForm form;
  form.caption = std::string(layout.caption);
  form.button_captions = {std::string(kEditButtonCaptions[0]), std::string(kEditButtonCaptions[1]),
                          std::string(layout.confirm_caption)};
  form.delete_enabled = layout.delete_enabled;
  form.help_line_visible[static_cast<size_t>(layout.hidden_help_line)] = false;
  form.help_topic = EditHelpTopic(form.caption);
  form.cancel_file = workspace.WorkingFile(kEditCancelFileName);

  Grid& grid = form.grid;
  ApplyFormatString(grid,
                    BuildFormatString({"XS", "YS", "DIM-X", "DIM-Y", "ORN", "LENGTH", "WIDTH"}));
  grid.tag = workspace.WorkingFile(kEditFileName);
  LoadTable(grid);
  KeepOneRow(grid);
  // The number column stands for a mode's missing second column.
  for (const int col : {0, edit_col::kLength, edit_col::kWidth, layout.hidden_columns[0],
                        layout.hidden_columns[1]}) {
    grid.SetColWidth(col, 0);
  }
  grid.row = grid.row_sel = kDataRow;
  grid.col = grid.col_sel = edit_col::kXs;
  ApplyOrnRule(grid);
  return form;
}

void ApplyOrnRule(Grid& grid) {
  if (grid.ColWidth(edit_col::kOrn) == 0) return;
  const float orn = CellValue(grid, edit_col::kOrn);
  if (orn != 1 && orn != 2) return;
  const float a = CellValue(grid, edit_col::kDimX);
  const float b = CellValue(grid, edit_col::kDimY);
  const float smaller = std::min(a, b);
  const float larger = std::max(a, b);
  SetCellValue(grid, edit_col::kDimX, orn == 1 ? smaller : larger);
  SetCellValue(grid, edit_col::kDimY, orn == 1 ? larger : smaller);
}

EditButtonOutcome PressEditButton(EditForm& form, EditButton button, Prompter& prompter) {
  Grid& grid = form.grid;
  for (int col = edit_col::kXs; col <= edit_col::kOrn; ++col) {
    if (grid.Text(kDataRow, col).empty()) grid.SetText(kDataRow, col, "0");
  }
  grid.SetText(kDataRow, edit_col::kOrn,
               CellValue(grid, edit_col::kDimX) <= CellValue(grid, edit_col::kDimY) ? "1" : "2");

  switch (button) {
    case EditButton::kCancel: {
      const std::string edit_file = grid.tag;
      grid.tag = form.cancel_file;
      DeleteFiles(edit_file);
      return {.close = true};
    }
    case EditButton::kDelete:
      for (int col = edit_col::kXs; col <= edit_col::kOrn; ++col) {
        grid.SetText(kDataRow, col, "0");
      }
      return {.close = true, .job_changed = true};
    case EditButton::kConfirm:
      break;
  }
  const float length = CellValue(grid, edit_col::kLength);
  const float width = CellValue(grid, edit_col::kWidth);
  if (CellValue(grid, edit_col::kXs) + CellValue(grid, edit_col::kDimX) > length) {
    Refuse(prompter, length, kOutOfLengthMessage);
    return {};
  }
  if (CellValue(grid, edit_col::kYs) + CellValue(grid, edit_col::kDimY) > width) {
    Refuse(prompter, width, kOutOfWidthMessage);
    return {};
  }
  return {.close = true, .job_changed = true};
}

std::optional<std::string> CloseEditForm(const EditForm& form) { return SaveTable(form.grid); }

}  // namespace lumora
