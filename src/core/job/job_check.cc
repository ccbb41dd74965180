#include "core/job/job_check.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/base/number_text.h"
#include "core/base/unit_and_orn.h"
#include "core/base/version.h"
#include "core/job/job_file.h"
#include "core/job/job_messages.h"
#include "core/job/job_tables.h"

namespace lumora {
namespace {

// L1, L2 and QTY of one stock or glass row as the checks see them.
struct SizeRecord {
  float l1 = 0.0f;
  float l2 = 0.0f;
  float qty = 0.0f;
};

// The data rows 1 .. Rows() - 2 of the Sheet or Glass grid: the last row is the empty input
// row.
std::vector<SizeRecord> ReadSizeRecords(const Grid& grid) {
  std::vector<SizeRecord> records;
  for (int r = 1; r <= grid.Rows() - 2; ++r) {
    records.push_back({ReadFloat(grid.Text(r, size_col::kL1)),
                       ReadFloat(grid.Text(r, size_col::kL2)),
                       ReadFloat(grid.Text(r, size_col::kQty))});
  }
  return records;
}

constexpr float kLargestQuantity = 99999.0f;

// The first row whose quantity is above the largest, or 0.
int FirstQuantityAbove(const std::vector<SizeRecord>& records, float largest) {
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].qty > largest) return static_cast<int>(i) + 1;
  }
  return 0;
}

// The first glass row whose ORN is not empty, 0, 1 or 2, or 0. The engine only knows those,
// and a text like "1e20" that reads as 1 by its leading number was not meant as 1.
int FirstWrongOrn(const Grid& glass) {
  for (int r = 1; r <= glass.Rows() - 2; ++r) {
    const std::string& text = glass.Text(r, glass_col::kOrn);
    if (text.find_first_not_of(' ') == std::string::npos) continue;
    if (!IsNumberText(text) || OrnOfNumber(ReadFloat(text)) == Orn::kNeither) return r;
  }
  return 0;
}

struct UsableArea {
  float width = 0.0f;
  float height = 0.0f;
};

// The area of a stock row as the engine takes it (the kerf added, the margins off); none for a
// row the engine does not use.
std::optional<UsableArea> UsableAreaOf(const Grid& sheet, int row, float kerf) {
  const auto number = [&](int col) { return ReadFloat(sheet.Text(row, col)); };
  const float left = number(sheet_col::kMarginLeft);
  const float top = number(sheet_col::kMarginTop);
  const float width = (number(sheet_col::kL2) + kerf - number(sheet_col::kMarginRight)) - left;
  const float height = (number(sheet_col::kL1) + kerf - number(sheet_col::kMarginBottom)) - top;
  if (!(number(sheet_col::kQty) > 0.0f && width > 0.0f && height > 0.0f)) return std::nullopt;
  return UsableArea{width, height};
}

// Whether a piece of the glass row, its size taken as the engine takes it (the kerf added, the
// trim allowance off), fits a stock row in an orientation its ORN allows. True too when no
// stock row is usable at all: the run's own check names that.
bool FitsSomeStock(const Grid& sheet, const Grid& glass, int glass_row, float kerf, float t) {
  const float l1 = ReadFloat(glass.Text(glass_row, glass_col::kL1)) + kerf;
  const float l2 = ReadFloat(glass.Text(glass_row, glass_col::kL2)) + kerf;
  const Orn orn = OrnOfNumber(ReadFloat(glass.Text(glass_row, glass_col::kOrn)));
  bool any_usable = false;
  for (int r = 1; r <= sheet.Rows() - 2; ++r) {
    const std::optional<UsableArea> area = UsableAreaOf(sheet, r, kerf);
    if (!area) continue;
    any_usable = true;
    // Orientation 1 lays L2 along the width, 2 lays L1 along it.
    const auto fits = [&](float along_x, float along_y) {
      return area->width / (along_x - t) >= 1.0f && area->height / (along_y - t) >= 1.0f;
    };
    if ((OrnAllows(orn, 1) && fits(l2, l1)) || (OrnAllows(orn, 2) && fits(l1, l2))) return true;
  }
  return !any_usable;
}

// Whether B (MM) is more than the smaller usable side of every usable sheet: a layout may only
// leave balances of at least B both ways, so no sheet could take a piece without being used up
// exactly. False without a usable sheet: the run's own check names that.
bool NoSheetLeavesB(const Grid& sheet, float kerf, float b) {
  bool any_usable = false;
  for (int r = 1; r <= sheet.Rows() - 2; ++r) {
    const std::optional<UsableArea> area = UsableAreaOf(sheet, r, kerf);
    if (!area) continue;
    any_usable = true;
    if (std::min(area->width, area->height) >= b) return false;
  }
  return any_usable;
}

void MakeCurrentRow(Grid& grid, int row) {
  grid.row = row;
  grid.row_sel = row;
}

void Refuse(Prompter& prompter, const std::string& text) {
  prompter.Ask({.title = kApplicationTitle,
                .text = text,
                .icon = PromptIcon::kExclamation,
                .buttons = PromptButtons::kOk,
                .default_answer = PromptAnswer::kOk});
}

// Asks about every field that is exactly 0, row by row; answers the row whose question was
// answered No, or 0 when the user let every one pass.
int AskMissingFields(const std::vector<SizeRecord>& records, const std::string& where,
                     Prompter& prompter) {
  for (size_t i = 0; i < records.size(); ++i) {
    const SizeRecord& record = records[i];
    const std::array<std::pair<const char*, float>, 3> fields = {
        {{"L1", record.l1}, {"L2", record.l2}, {"QTY", record.qty}}};
    const int row = static_cast<int>(i) + 1;
    for (const auto& [name, value] : fields) {
      if (value != 0.0f) continue;
      const PromptAnswer answer =
          prompter.Ask({.title = kApplicationTitle,
                        .text = std::string(name) + where + GeneralText(row) + "), Proceed?",
                        .icon = PromptIcon::kQuestion,
                        .buttons = PromptButtons::kYesNo,
                        .default_answer = PromptAnswer::kNo});
      if (answer != PromptAnswer::kYes) return row;
    }
  }
  return 0;
}

}  // namespace

float TrimAllowance(const Grid& basic) {
  return static_cast<float>(ReadDouble(basic.Text(1, basic_col::kTolerance)) + 0.001);
}

std::string BladeText(float trim_allowance, float largest_stock_side) {
  const float twice = 2.0f * trim_allowance;
  const float extent = twice + largest_stock_side;
  return GeneralText(extent + 1.0f);
}

CheckResult CheckJob(Job& job, Prompter& prompter) {
  if (job.sheet.Rows() <= 2 || job.glass.Rows() <= 2) return {.start = true};
  if (job.settings.coil_mode) {
    // Coils are never used up.
    for (int r = 1; r <= job.sheet.Rows() - 2; ++r) job.sheet.SetText(r, sheet_col::kQty, "99999");
  }
  const std::vector<SizeRecord> stock = ReadSizeRecords(job.sheet);
  const std::vector<SizeRecord> glass = ReadSizeRecords(job.glass);

  if (const int row = AskMissingFields(stock, " missing in sheet number (", prompter)) {
    MakeCurrentRow(job.sheet, row);
    return {.focus = JobGridId::kSheet};
  }
  float largest_side = 0.0f;
  for (const SizeRecord& record : stock) {
    largest_side = std::max({largest_side, record.l1, record.l2});
  }
  if (const int row = AskMissingFields(glass, " missing in glass size (", prompter)) {
    MakeCurrentRow(job.glass, row);
    return {.focus = JobGridId::kGlass};
  }

  const float t = job.settings.trim_allowance;
  job.basic.SetText(1, basic_col::kBlade, BladeText(t, largest_side));

  if (const int row = FirstWrongOrn(job.glass)) {
    Refuse(prompter, "ORN of glass size (" + GeneralText(row) + ") is not 1 or 2!");
    MakeCurrentRow(job.glass, row);
    return {.focus = JobGridId::kGlass};
  }

  for (size_t i = 0; i < glass.size(); ++i) {
    const float l1_less_trim = glass[i].l1 - t;
    const float l2_less_trim = glass[i].l2 - t;
    if (l1_less_trim > largest_side || l2_less_trim > largest_side) {
      const int row = static_cast<int>(i) + 1;
      Refuse(prompter,
             "Glass size (" + GeneralText(row) + ") is bigger then the largest sheet dimension!");
      MakeCurrentRow(job.glass, row);
      return {.focus = JobGridId::kGlass};
    }
  }

  // The engine cuts a piece's cell its size plus the kerf less the trim allowance; a row whose
  // cell has no size could never be placed, and every pass would end without a result.
  const float kerf = ReadFloat(job.basic.Text(1, basic_col::kKerf));
  for (size_t i = 0; i < glass.size(); ++i) {
    const SizeRecord& record = glass[i];
    if (!(record.l1 > 0.0f && record.l2 > 0.0f && record.qty > 0.0f)) continue;
    const float l1_with_kerf = record.l1 + kerf;
    const float l2_with_kerf = record.l2 + kerf;
    if (!(l1_with_kerf - t > 0.0f) || !(l2_with_kerf - t > 0.0f)) {
      const int row = static_cast<int>(i) + 1;
      Refuse(prompter, "Glass size (" + GeneralText(row) + ") is smaller than the trim allowance!");
      MakeCurrentRow(job.glass, row);
      return {.focus = JobGridId::kGlass};
    }
  }

  // Caught here, such a row would leave every pass without a result and the user guessing.
  for (size_t i = 0; i < glass.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    if (!(glass[i].l1 > 0.0f && glass[i].l2 > 0.0f && glass[i].qty > 0.0f) ||
        FitsSomeStock(job.sheet, job.glass, row, kerf, t)) {
      continue;
    }
    Refuse(prompter, "Glass size (" + GeneralText(row) + ") fits no " +
                         (job.settings.coil_mode ? "coil" : "sheet") +
                         " once margins and trim allowance are taken off!");
    MakeCurrentRow(job.glass, row);
    return {.focus = JobGridId::kGlass};
  }

  const float b = ReadFloat(job.basic.Text(1, basic_col::kB));
  if (!job.settings.coil_mode && b > 0.0f && NoSheetLeavesB(job.sheet, kerf, b)) {
    Refuse(prompter,
           "B (MM) is bigger than the smaller side of every sheet once margins are "
           "taken off!");
    MakeCurrentRow(job.basic, 1);
    job.basic.col = basic_col::kB;
    job.basic.col_sel = basic_col::kB;
    return {.focus = JobGridId::kBasic};
  }

  // A quantity cell takes five digits; a larger one from an edited file would be counted in
  // floats too coarse to tell every piece.
  if (const int row = FirstQuantityAbove(stock, kLargestQuantity)) {
    Refuse(prompter, "QTY of sheet number (" + GeneralText(row) + ") is more than 99999!");
    MakeCurrentRow(job.sheet, row);
    return {.focus = JobGridId::kSheet};
  }
  if (const int row = FirstQuantityAbove(glass, kLargestQuantity)) {
    Refuse(prompter, "QTY of glass size (" + GeneralText(row) + ") is more than 99999!");
    MakeCurrentRow(job.glass, row);
    return {.focus = JobGridId::kGlass};
  }

  float stock_area = 0.0f;
  for (const SizeRecord& record : stock) {
    const float sheet_area = record.l1 * record.l2;
    stock_area += sheet_area * record.qty;
  }
  float glass_area = 0.0f;
  for (const SizeRecord& record : glass) {
    const float l1_less_trim = record.l1 - t;
    const float l2_less_trim = record.l2 - t;
    const float piece_area = l1_less_trim * l2_less_trim;
    glass_area += piece_area * record.qty;
  }
  if (stock_area < glass_area) {
    Refuse(prompter, std::string(kAreaRefusalText));
    return {};
  }

  const PromptAnswer answer = prompter.Ask({.title = kApplicationTitle,
                                            .text = std::string(kStartQuestionText),
                                            .icon = PromptIcon::kQuestion,
                                            .buttons = PromptButtons::kYesNo,
                                            .default_answer = PromptAnswer::kYes});
  return {.start = answer == PromptAnswer::kYes, .focus = JobGridId::kBasic};
}

CheckResult StartOptimization(Job& job, Prompter& prompter) {
  job.settings.trim_allowance = TrimAllowance(job.basic);
  if (!SaveJob(job, job.workspace.WorkingFile("tmp.tlf"), prompter)) return {};
  const CheckResult result = CheckJob(job, prompter);
  if (result.start) job.settings.job_changed = true;
  return result;
}

}  // namespace lumora
