#ifndef LUMORA_TESTS_SUPPORT_RUN_PROCESS_H_
#define LUMORA_TESTS_SUPPORT_RUN_PROCESS_H_

#include <string>
#include <vector>

namespace lumora::testing {

// What a finished child process left behind.
struct ProcessResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs a program with arguments, feeding it no input, and waits for it.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);

}  // namespace lumora::testing

#endif  // LUMORA_TESTS_SUPPORT_RUN_PROCESS_H_
