#ifndef LUMORA_FUZZ_FUZZ_SUPPORT_H_
#define LUMORA_FUZZ_FUZZ_SUPPORT_H_

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/base/prompter.h"

namespace lumora::fuzz {

// Answers every message with its default button, as a user hurrying through would.
class AgreeingPrompter : public Prompter {
 public:
  PromptAnswer Ask(const Prompt& prompt) override;
};

// A data folder of its own for this process, made once, seeded with the default files and
// removed at exit.
const std::string& ScratchDataFolder();

// The bytes of a file under tests/data; aborts when it cannot be read.
std::string TestDataBytes(std::string_view relative_path);

inline std::string_view BytesOf(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken promise is a finding: libFuzzer keeps the input that led to it.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace lumora::fuzz

#endif  // LUMORA_FUZZ_FUZZ_SUPPORT_H_
