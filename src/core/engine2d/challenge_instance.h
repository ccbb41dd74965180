#ifndef LUMORA_CORE_ENGINE2D_CHALLENGE_INSTANCE_H_
#define LUMORA_CORE_ENGINE2D_CHALLENGE_INSTANCE_H_

#include <optional>
#include <string>
#include <string_view>

#include "core/engine2d/cutting_line.h"

// Instances of the 2018 ROADEF/EURO challenge, posed by a flat-glass maker: PREFIX_batch.csv
// (the pieces with their stacks), PREFIX_defects.csv (the flaws of each sheet) and
// global_param.csv (the sheets and the rules of the table), semicolon separated with a header.
namespace lumora {

inline constexpr size_t kMaxChallengeFileBytes = 64 << 20;
inline constexpr int32_t kMaxChallengeLength = 1000000;
inline constexpr size_t kMaxChallengePieces = kMostLinePieces;
inline constexpr int32_t kMaxChallengeSheets = static_cast<int32_t>(kMostLineSheets);
inline constexpr size_t kMaxChallengeFlaws = 1000000;

struct ChallengeFile {
  std::string name;  // as messages name it
  std::string_view bytes;
};

struct ChallengeInstanceRead {
  std::optional<LineProblem> problem;
  std::string error;  // when there is no problem: the file, the line and what is wrong
};

// Flaws are widened outward to whole millimetres. Stacks keep their numbers; a piece's sequence
// is its place in its stack.
ChallengeInstanceRead ReadChallengeInstance(const ChallengeFile& batch,
                                            const ChallengeFile& defects,
                                            const ChallengeFile& global_param);

// Reads PREFIX_batch.csv, PREFIX_defects.csv and the global_param.csv in the same folder.
ChallengeInstanceRead ReadChallengeInstanceFiles(const std::string& prefix);

}  // namespace lumora

#endif  // LUMORA_CORE_ENGINE2D_CHALLENGE_INSTANCE_H_
