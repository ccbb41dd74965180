#include "core/engine2d/challenge_job.h"

#include <algorithm>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "core/base/number_text.h"
#include "core/job/job_tables.h"
#include "core/job/list_import.h"
#include "core/tables/grid_clipboard.h"

namespace lumora {
namespace {

// A grid keeps its header row and one input row besides its data rows.
constexpr size_t kMostRows = kMaxGridRows - 2;

ImportRow CellsOf(const Grid& grid, std::vector<std::pair<int, std::string>> cells) {
  ImportRow row;
  row.cells.assign(static_cast<size_t>(grid.Cols() - 1), "");
  for (auto& [col, text] : cells) row.cells[static_cast<size_t>(col - 1)] = std::move(text);
  return row;
}

CuttingLineSettings SettingsOf(const CuttingLineRules& rules) {
  CuttingLineSettings settings;
  settings.stages = rules.stages;
  settings.first_cut = rules.first_cut;
  settings.min_strip_width = static_cast<float>(rules.min_strip_width);
  if (rules.max_strip_width != std::numeric_limits<int32_t>::max()) {
    settings.max_strip_width = static_cast<float>(rules.max_strip_width);
  }
  settings.min_row_height = static_cast<float>(rules.min_row_height);
  settings.min_waste = static_cast<float>(rules.min_waste);
  settings.cuts_through_flaws = rules.cuts_through_flaws;
  settings.sheets_in_order = rules.sheets_in_order;
  return settings;
}

// Each piece's place in its stack, from 1, in the order of the problem's sequence numbers.
std::vector<int> PlacesInStacks(const std::vector<LinePiece>& pieces) {
  std::map<int32_t, std::vector<size_t>> stacks;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].stack != kNoStack) stacks[pieces[i].stack].push_back(i);
  }
  std::vector<int> places(pieces.size(), 0);
  for (auto& [stack, members] : stacks) {
    std::stable_sort(members.begin(), members.end(), [&pieces](size_t a, size_t b) {
      return pieces[a].sequence < pieces[b].sequence;
    });
    for (size_t k = 0; k < members.size(); ++k) places[members[k]] = static_cast<int>(k + 1);
  }
  return places;
}

}  // namespace

std::optional<std::string> LoadLineProblem(Job& job, const LineProblem& problem) {
  // Sheets of one size that follow each other share a row; a row holds five digits of QTY.
  std::vector<std::pair<size_t, int>> runs;  // first sheet, count
  for (size_t i = 0; i < problem.sheets.size(); ++i) {
    const LineSheet& sheet = problem.sheets[i];
    const bool extends = !runs.empty() && runs.back().second < kMostLineNumber &&
                         problem.sheets[runs.back().first].width == sheet.width &&
                         problem.sheets[runs.back().first].height == sheet.height;
    if (extends) {
      ++runs.back().second;
    } else {
      runs.push_back({i, 1});
    }
  }
  if (runs.size() > kMostRows || problem.pieces.size() > kMostRows) {
    return "The batch needs more rows than the Sheet and Glass lists hold (" +
           GeneralText(static_cast<int>(kMostRows)) + ").";
  }

  ImportRows sheet_rows;
  for (const auto& [first, count] : runs) {
    const LineSheet& sheet = problem.sheets[first];
    sheet_rows.rows.push_back(CellsOf(job.sheet, {{sheet_col::kL1, GeneralText(sheet.width)},
                                                  {sheet_col::kL2, GeneralText(sheet.height)},
                                                  {sheet_col::kQty, GeneralText(count)}}));
  }
  ImportRows glass_rows;
  for (const LinePiece& piece : problem.pieces) {
    glass_rows.rows.push_back(CellsOf(job.glass, {{glass_col::kL1, GeneralText(piece.width)},
                                                  {glass_col::kL2, GeneralText(piece.height)},
                                                  {glass_col::kQty, "1"},
                                                  {glass_col::kOrn, piece.may_turn ? "" : "1"},
                                                  {glass_col::kSrNo, GeneralText(piece.id)}}));
  }
  const ChargeTable charges = LoadChargeTable(job.workspace);
  AddImportedRows(job.sheet, sheet_rows, ListKind::kStock, Unit::kMm, true, charges);
  AddImportedRows(job.glass, glass_rows, ListKind::kGlass, Unit::kMm, true, charges);

  job.line.Clear();
  job.line.SetSettings(SettingsOf(problem.rules));
  for (size_t r = 0; r < runs.size(); ++r) {
    std::vector<SheetFlaw> flaws;
    for (int number = 1; number <= runs[r].second; ++number) {
      for (const LineFlaw& flaw : problem.sheets[runs[r].first + number - 1].flaws) {
        flaws.push_back({number, static_cast<float>(flaw.x), static_cast<float>(flaw.y),
                         static_cast<float>(flaw.w), static_cast<float>(flaw.h)});
      }
    }
    job.line.SetFlaws(job.sheet.RowIdOf(static_cast<int>(r) + 1), std::move(flaws));
  }
  const std::vector<int> places = PlacesInStacks(problem.pieces);
  for (size_t i = 0; i < problem.pieces.size(); ++i) {
    if (problem.pieces[i].stack == kNoStack) continue;
    job.line.SetStack(job.glass.RowIdOf(static_cast<int>(i) + 1),
                      GlassStack{GeneralText(problem.pieces[i].stack), places[i]});
  }
  job.basic.SetText(1, basic_col::kKerf, "0");
  job.basic.SetText(1, basic_col::kB, GeneralText(problem.rules.min_waste));
  return std::nullopt;
}

}  // namespace lumora
