// The field reader and the table loader over any bytes: every field is read, and the loaded
// grid keeps the shape and header row it had.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/base/field_reader.h"
#include "core/job/job.h"
#include "core/tables/table_file.h"
#include "fuzz_support.h"

namespace lumora::fuzz {
namespace {

void ReadEveryField(std::string_view bytes) {
  FieldReader reader(bytes);
  size_t fields = 0;
  while (!reader.AtEnd()) {
    reader.Next();
    if (++fields % 7 == 0) reader.SkipLine();
    Require(fields <= bytes.size() + 1);
  }
  Require(CountLines(bytes) >= 0);
}

void LoadIntoJobGrids(std::string_view bytes) {
  Job job = MakeJob(Workspace{ScratchDataFolder(), "1.5"}, ProgramSettings{});
  for (Grid* grid : {&job.basic, &job.sheet, &job.glass}) {
    const int cols = grid->Cols();
    LoadTableFromBytes(*grid, std::optional<std::string>(bytes));
    Require(grid->Cols() == cols && grid->Rows() >= 2);
    TableBytes(*grid);
  }
}

}  // namespace
}  // namespace lumora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = lumora::fuzz::BytesOf(data, size);
  lumora::fuzz::ReadEveryField(bytes);
  lumora::fuzz::LoadIntoJobGrids(bytes);
  return 0;
}
