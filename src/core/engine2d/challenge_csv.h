#ifndef LUMORA_CORE_ENGINE2D_CHALLENGE_CSV_H_
#define LUMORA_CORE_ENGINE2D_CHALLENGE_CSV_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/delimited_text.h"
#include "core/engine2d/challenge_instance.h"

// The challenge's files as tables: a header naming the columns, then one record a line.
namespace lumora {

class ChallengeTable {
 public:
  // The file's records with the named columns found in its header (letter case aside), or
  // nullopt and the reason when the file is too long or a column is missing.
  static std::optional<ChallengeTable> Read(const ChallengeFile& file,
                                            const std::vector<std::string_view>& columns,
                                            std::string* error);

  size_t Rows() const { return text_.rows.size() - 1; }
  // The field of a record (0-based, after the header) in a column by its place in `columns`.
  std::string_view Field(size_t row, size_t column) const;
  bool Blank(size_t row, size_t column) const;

  // The field as a number, or nullopt and a message naming the file, line and column.
  std::optional<double> Number(size_t row, size_t column, std::string* error) const;
  // The field as a whole number from `least` to `most`; messages call it `called`, else by its
  // column.
  std::optional<int32_t> Whole(size_t row, size_t column, int32_t least, int32_t most,
                               std::string* error, std::string_view called = {}) const;

  // "<file>, line <n>: " for messages about a record.
  std::string Where(size_t row) const;

 private:
  std::string name_;
  std::vector<std::string_view> names_;
  std::vector<size_t> places_;
  DelimitedText text_;
};

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CHALLENGE_CSV_H_
