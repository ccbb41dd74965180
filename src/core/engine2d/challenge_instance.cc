#include "core/engine2d/challenge_instance.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <utility>

#include "core/base/file_routines.h"
#include "core/base/number_text.h"
#include "core/engine2d/challenge_csv.h"

namespace lumora {
namespace {

struct Parameters {
  int32_t sheets = 0;
  int32_t width = 0;
  int32_t height = 0;
  CuttingLineRules rules;
};

std::optional<Parameters> ReadParameters(const ChallengeFile& file, std::string* error) {
  const std::optional<ChallengeTable> table = ChallengeTable::Read(file, {"NAME", "VALUE"}, error);
  if (!table) return std::nullopt;
  Parameters parameters;
  const std::vector<std::pair<std::string_view, int32_t*>> wanted = {
      {"nPlates", &parameters.sheets},
      {"widthPlates", &parameters.width},
      {"heightPlates", &parameters.height},
      {"min1Cut", &parameters.rules.min_strip_width},
      {"max1Cut", &parameters.rules.max_strip_width},
      {"min2Cut", &parameters.rules.min_row_height},
      {"minWaste", &parameters.rules.min_waste}};
  std::set<std::string_view> found;
  for (size_t row = 0; row < table->Rows(); ++row) {
    for (const auto& [name, target] : wanted) {
      if (table->Field(row, 0) != name) continue;
      const int32_t least = name == "nPlates" ? 1 : 0;
      const int32_t most = name == "nPlates" ? kMaxChallengeSheets : kMaxChallengeLength;
      const std::optional<int32_t> value = table->Whole(row, 1, least, most, error, name);
      if (!value) return std::nullopt;
      *target = *value;
      found.insert(name);
    }
  }
  for (const auto& [name, target] : wanted) {
    if (!found.contains(name)) {
      *error = file.name + " does not give " + std::string(name) + ".";
      return std::nullopt;
    }
  }
  if (parameters.width == 0 || parameters.height == 0) {
    *error = file.name + " gives sheets without area.";
    return std::nullopt;
  }
  return parameters;
}

bool ReadPieces(const ChallengeFile& file, LineProblem& problem, std::string* error) {
  const std::optional<ChallengeTable> table = ChallengeTable::Read(
      file, {"ITEM_ID", "LENGTH_ITEM", "WIDTH_ITEM", "STACK", "SEQUENCE"}, error);
  if (!table) return false;
  if (table->Rows() > kMaxChallengePieces) {
    *error = file.name + " lists more than " + GeneralText(static_cast<int>(kMaxChallengePieces)) +
             " pieces.";
    return false;
  }
  std::set<int32_t> ids;
  std::set<std::pair<int32_t, int32_t>> places;  // stack and sequence
  constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
  for (size_t row = 0; row < table->Rows(); ++row) {
    LinePiece piece;
    std::optional<int32_t> values[5];
    const int32_t least[5] = {0, 1, 1, 0, 0};
    const int32_t most[5] = {kMost, kMaxChallengeLength, kMaxChallengeLength, kMost, kMost};
    for (size_t column = 0; column < 5; ++column) {
      values[column] = table->Whole(row, column, least[column], most[column], error);
      if (!values[column]) return false;
    }
    piece.id = *values[0];
    piece.width = *values[1];
    piece.height = *values[2];
    piece.stack = *values[3];
    piece.sequence = *values[4];
    if (!ids.insert(piece.id).second) {
      *error = table->Where(row) + "ITEM_ID " + GeneralText(piece.id) + " is listed before.";
      return false;
    }
    if (!places.insert({piece.stack, piece.sequence}).second) {
      *error = table->Where(row) + "stack " + GeneralText(piece.stack) +
               " has two pieces of SEQUENCE " + GeneralText(piece.sequence) + ".";
      return false;
    }
    problem.pieces.push_back(piece);
  }
  return true;
}

bool ReadFlaws(const ChallengeFile& file, LineProblem& problem, std::string* error) {
  const std::optional<ChallengeTable> table =
      ChallengeTable::Read(file, {"DEFECT_ID", "PLATE_ID", "X", "Y", "WIDTH", "HEIGHT"}, error);
  if (!table) return false;
  if (table->Rows() > kMaxChallengeFlaws) {
    *error = file.name + " lists more than " + GeneralText(static_cast<int>(kMaxChallengeFlaws)) +
             " flaws.";
    return false;
  }
  const int32_t sheets = static_cast<int32_t>(problem.sheets.size());
  for (size_t row = 0; row < table->Rows(); ++row) {
    const std::optional<int32_t> sheet = table->Whole(row, 1, 0, sheets - 1, error);
    if (!sheet) return false;
    double values[4];
    for (size_t column = 2; column < 6; ++column) {
      const std::optional<double> value = table->Number(row, column, error);
      if (!value) return false;
      const bool size = column >= 4;
      if (*value < (size ? 0 : -kMaxChallengeLength) || *value > kMaxChallengeLength) {
        *error = table->Where(row) + "the flaw lies beyond any sheet.";
        return false;
      }
      values[column - 2] = *value;
    }
    // Widened outward, the flaw keeps all it covered.
    const auto left = static_cast<int32_t>(std::floor(values[0]));
    const auto bottom = static_cast<int32_t>(std::floor(values[1]));
    const auto right = static_cast<int32_t>(std::ceil(values[0] + values[2]));
    const auto top = static_cast<int32_t>(std::ceil(values[1] + values[3]));
    problem.sheets[*sheet].flaws.push_back({left, bottom, right - left, top - bottom});
  }
  return true;
}

}  // namespace

ChallengeInstanceRead ReadChallengeInstance(const ChallengeFile& batch,
                                            const ChallengeFile& defects,
                                            const ChallengeFile& global_param) {
  ChallengeInstanceRead read;
  const std::optional<Parameters> parameters = ReadParameters(global_param, &read.error);
  if (!parameters) return read;
  LineProblem problem;
  problem.rules = parameters->rules;
  problem.rules.stages = LineStages::kThreeWithTrim;
  problem.rules.first_cut = FirstCut::kVertical;
  problem.rules.cuts_through_flaws = false;
  problem.rules.sheets_in_order = true;
  problem.sheets.assign(parameters->sheets, LineSheet{parameters->width, parameters->height, {}});
  if (!ReadPieces(batch, problem, &read.error) || !ReadFlaws(defects, problem, &read.error)) {
    return read;
  }
  read.problem = std::move(problem);
  return read;
}

ChallengeInstanceRead ReadChallengeInstanceFiles(const std::string& prefix) {
  const std::filesystem::path base(prefix);
  const std::filesystem::path folder = base.parent_path();
  const std::string names[3] = {base.filename().string() + "_batch.csv",
                                base.filename().string() + "_defects.csv", "global_param.csv"};
  std::string bytes[3];
  for (int i = 0; i < 3; ++i) {
    const std::string path = (folder / names[i]).string();
    const FileRead read = ReadFile(path, kMaxChallengeFileBytes);
    if (!read.bytes) {
      ChallengeInstanceRead failed;
      failed.error = "Could not read " + path + ": " + read.reason + ".";
      return failed;
    }
    bytes[i] = *read.bytes;
  }
  return ReadChallengeInstance({names[0], bytes[0]}, {names[1], bytes[1]}, {names[2], bytes[2]});
}

}  // namespace lumora
