// The challenge's files read from any bytes: the first byte picks the instance (its three files
// parted by zero bytes) or a solution of a fixed small instance. A solution read is validated,
// and written and read again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/engine2d/challenge_instance.h"
#include "core/engine2d/challenge_solution.h"
#include "core/engine2d/cutting_tree_validator.h"
#include "fuzz_support.h"

namespace lumora::fuzz {
namespace {

void ReadInstance(std::string_view bytes) {
  std::string_view files[3];
  for (int i = 0; i < 2; ++i) {
    const size_t end = bytes.find('\0');
    files[i] = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
  files[2] = bytes;
  const ChallengeInstanceRead read =
      ReadChallengeInstance({"batch", files[0]}, {"defects", files[1]}, {"param", files[2]});
  Require(read.problem.has_value() != !read.error.empty());
  if (!read.problem) return;
  for (const LinePiece& piece : read.problem->pieces) {
    Require(piece.width > 0 && piece.height > 0 && piece.width <= kMaxChallengeLength &&
            piece.height <= kMaxChallengeLength);
  }
}

void ReadSolution(std::string_view bytes) {
  static const LineProblem problem = [] {
    const std::string dir = "engine2d/challenge/";
    const std::string batch = TestDataBytes(dir + "A0_batch.csv");
    const std::string defects = TestDataBytes(dir + "A0_defects.csv");
    const std::string param = TestDataBytes(dir + "global_param.csv");
    return *ReadChallengeInstance({"b", batch}, {"d", defects}, {"p", param}).problem;
  }();
  const ChallengeSolutionRead read = ReadChallengeSolution(problem, "solution", bytes);
  Require(read.tree.has_value() != !read.error.empty());
  if (!read.tree) return;
  ValidateCuttingTree(problem, *read.tree);
  CuttingOrder(*read.tree);
  TreeWaste(problem, *read.tree);
  const std::string written = WriteChallengeSolution(problem, *read.tree);
  const ChallengeSolutionRead again = ReadChallengeSolution(problem, "again", written);
  Require(again.tree && WriteChallengeSolution(problem, *again.tree) == written);
}

}  // namespace
}  // namespace lumora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = lumora::fuzz::BytesOf(data + 1, size - 1);
  if (data[0] % 2 == 0) {
    lumora::fuzz::ReadInstance(bytes);
  } else {
    lumora::fuzz::ReadSolution(bytes);
  }
  return 0;
}
