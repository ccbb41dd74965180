#include "core/library/recut_job.h"

#include <filesystem>
#include <map>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/job/job_sections.h"
#include "core/job/job_tables.h"
#include "core/library/leftover_stock.h"
#include "core/library/library_files.h"
#include "core/library/stock_import.h"
#include "core/tables/column_dictionary.h"
#include "core/tables/table_file.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecutNotePrefix = "Recut of ";
constexpr int kSheetFields = 10;

// The element index of a piece of the result, or 0 when the layout has no such piece.
int ElementOf(const LoadedResult& result, const PiecePlace& place) {
  if (place.layout_no < 1 || place.layout_no > result.LayoutCount()) return 0;
  int number = 0;
  for (int i = result.FirstOfLayout(place.layout_no); i <= result.LastOfLayout(place.layout_no);
       ++i) {
    if (result.shown[i].kind > 0 && ++number == place.position) return i;
  }
  return 0;
}

std::string PlaceText(const PiecePlace& place) {
  return GeneralText(place.layout_no) + ":" + GeneralText(place.position);
}

// A glass row of the size as the job's grid holds it, QTY the count given.
std::vector<std::string> GlassRow(const GlassRecord& glass, int count) {
  std::vector<std::string> row(16);
  const auto at = [&row](int col) -> std::string& { return row[static_cast<size_t>(col - 1)]; };
  at(glass_col::kL1) = GeneralText(glass.l1_as_read);
  at(glass_col::kL2) = GeneralText(glass.l2_as_read);
  at(glass_col::kL1Inch) = glass.l1_in;
  at(glass_col::kL2Inch) = glass.l2_in;
  at(glass_col::kQty) = GeneralText(count);
  if (glass.orn != Orn::kEither) at(glass_col::kOrn) = GeneralText(OrnNumber(glass.orn));
  at(glass_col::kChargeL1) = glass.chl1_in;
  at(glass_col::kChargeL2) = glass.chl2_in;
  at(glass_col::kCustomer) = glass.customer;
  at(glass_col::kPricePerSqFt) = GeneralText(glass.sp_sft);
  at(glass_col::kSrNo) = glass.sr_no;
  at(glass_col::kRef) = glass.ref;
  at(glass_col::kSite) = glass.site;
  at(glass_col::kAccount) = glass.ac;
  at(glass_col::kFrom) = glass.from;
  at(glass_col::kAddress) = glass.address;
  return row;
}

}  // namespace

std::optional<std::vector<PiecePlace>> ParsePiecePlaces(std::string_view text, std::string& error) {
  std::vector<PiecePlace> places;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view item = TrimBlanks(text.substr(start, comma - start));
    start = comma + 1;
    const size_t colon = item.find(':');
    const std::optional<int> layout =
        colon == std::string_view::npos ? std::nullopt
                                        : ReadWholeNumber(item.substr(0, colon), 1, kMaxListCount);
    const std::optional<int> position =
        colon == std::string_view::npos ? std::nullopt
                                        : ReadWholeNumber(item.substr(colon + 1), 1, kMaxListCount);
    if (!layout || !position) {
      error = "'" + std::string(item) + "' is no LAYOUT:POS (two whole numbers from 1)";
      return std::nullopt;
    }
    places.push_back({*layout, *position});
  }
  return places;
}

std::vector<PieceChoice> PieceChoices(const LoadedResult& result, Unit unit) {
  std::vector<PieceChoice> choices;
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    int position = 0;
    for (int i = result.FirstOfLayout(n); i <= result.LastOfLayout(n); ++i) {
      const int kind = result.shown[i].kind;
      if (kind <= 0) continue;
      const GlassRecord& glass = result.glasses[kind];
      const std::string size =
          unit == Unit::kIn
              ? MMToInchText(GeneralText(glass.l1)) + " x " + MMToInchText(GeneralText(glass.l2))
              : GeneralText(glass.l1) + " x " + GeneralText(glass.l2);
      choices.push_back({{n, ++position},
                         "Layout " + GeneralText(n) + "  Pos " + GeneralText(position) + "  " +
                             size + "  " + glass.customer + "  SR.NO " + glass.sr_no});
    }
  }
  return choices;
}

PiecePlace PlaceOfElement(const LoadedResult& result, int element) {
  for (int n = 1; n <= result.LayoutCount(); ++n) {
    if (element < result.FirstOfLayout(n) || element > result.LastOfLayout(n)) continue;
    if (result.shown[element].kind <= 0) return {};
    int position = 0;
    for (int i = result.FirstOfLayout(n); i <= element; ++i) position += result.shown[i].kind > 0;
    return {n, position};
  }
  return {};
}

RecutJob MakeRecutJob(const Job& original, const LoadedResult& result,
                      const std::vector<PiecePlace>& broken, std::string_view library_bytes,
                      std::string_view register_bytes, std::string_view title) {
  RecutJob recut;
  // Glass sizes in the order of the result's list, each with the pieces of it that broke.
  std::map<int, int> counts;
  for (const PiecePlace& place : broken) {
    const int element = ElementOf(result, place);
    if (element == 0) {
      recut.error = "The result has no piece " + PlaceText(place) + " (LAYOUT:POS).";
      return recut;
    }
    ++counts[result.shown[element].kind];
  }
  if (counts.empty()) {
    recut.error = "No piece to cut again.";
    return recut;
  }
  recut.pieces = static_cast<int>(broken.size());

  Grid basic = original.basic;
  std::string note = std::string(kRecutNotePrefix) + std::string(title);
  note.resize(std::min<size_t>(note.size(), DescribeColumn("NOTE")->max_length));
  basic.SetText(1, basic_col::kNote, note);

  std::string glass;
  for (const auto& [index, count] : counts)
    glass += QuotedLine(GlassRow(result.glasses[index], count));

  const std::string_view item = TrimBlanks(original.basic.Text(1, basic_col::kItem));
  const std::string_view grade = TrimBlanks(original.basic.Text(1, basic_col::kGrade));
  const std::string_view thick = original.basic.Text(1, basic_col::kThick);
  const std::vector<StockSizeMm> leftovers = LeftoverSizes(register_bytes, item, grade, thick);
  std::string sheet;
  for (std::vector<std::string> row :
       ReadRecords(ImportableStock(library_bytes, item, grade, thick).bytes, kSheetFields)) {
    if (!(ReadFloat(row[sheet_col::kQty - 1]) > 0) ||
        !deep::HoldsStockSize(leftovers, ReadFloat(row[sheet_col::kL1 - 1]),
                              ReadFloat(row[sheet_col::kL2 - 1]))) {
      continue;
    }
    row[sheet_col::kL1Inch - 1] = MMToInchText(row[sheet_col::kL1 - 1]);
    row[sheet_col::kL2Inch - 1] = MMToInchText(row[sheet_col::kL2 - 1]);
    sheet += QuotedLine(row);
    ++recut.leftover_rows;
  }
  for (int r = 1; r < original.sheet.Rows(); ++r) {
    if (IsLeftoverRow(original.sheet, r, leftovers)) continue;
    std::vector<std::string> row;
    bool any = false;
    for (int c = 1; c < original.sheet.Cols(); ++c) {
      row.push_back(original.sheet.Text(r, c));
      any = any || !row.back().empty();
    }
    if (!any) continue;
    sheet += QuotedLine(row);
    ++recut.sheet_rows;
  }

  JobTables tables;
  tables[kBasicTable] = TableBytes(basic);
  tables[kOptionsTable] = OptionsLine(original);
  tables[kSheetTable] = sheet;
  tables[kCutTable] = glass;
  recut.bytes = JoinJobFile(tables);
  return recut;
}

RecutJob MakeWorkspaceRecutJob(const Job& original, const LoadedResult& result,
                               const std::vector<PiecePlace>& broken, std::string_view title) {
  const auto read = [&original](std::string_view name) {
    return ReadFileBytes(original.workspace.SettingsFile(name), kTableFileLimit).value_or("");
  };
  return MakeRecutJob(original, result, broken, read(kMaterialLibraryFile),
                      read(kLeftoverRegisterFile), title);
}

std::string RecutRecords(const LoadedResult& result, const std::vector<PiecePlace>& broken,
                         std::string_view recut_file) {
  std::string bytes;
  for (const PiecePlace& place : broken) {
    const int element = ElementOf(result, place);
    if (element == 0) continue;
    const GlassRecord& glass = result.glasses[result.shown[element].kind];
    bytes += QuotedLine({GeneralText(place.layout_no), GeneralText(place.position), glass.sr_no,
                         glass.customer, GeneralText(glass.l1_as_read),
                         GeneralText(glass.l2_as_read), std::string(recut_file)});
  }
  return bytes;
}

std::optional<std::string> RecordRecut(const Job& job, std::string_view records) {
  const std::string path = job.workspace.WorkingFile(kJobTables[kRecutTable]);
  std::string bytes = ReadFileBytes(path, kTableFileLimit).value_or("");
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  return SaveFile(path, bytes + std::string(records));
}

std::string RecutFileName(const Job& job) {
  const std::string extension = job.settings.coil_mode ? ".sdr" : ".opt";
  const fs::path original(job.file_name);
  const fs::path folder =
      job.file_name.empty() ? fs::path(job.workspace.data_folder) : original.parent_path();
  const std::string stem = job.file_name.empty() ? "job" : original.stem().string();
  std::string name = (folder / (stem + "-recut" + extension)).string();
  for (int n = 2; FileExists(name); ++n) {
    name = (folder / (stem + "-recut" + GeneralText(n) + extension)).string();
  }
  return name;
}

}  // namespace lumora
