#ifndef LUMORA_CLI_EXIT_CODES_H_
#define LUMORA_CLI_EXIT_CODES_H_

#include <string_view>

// The exit codes of lumora-cli, shared by every command and listed by --help.
namespace lumora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitDriverCheck = 3;
inline constexpr int kExitNoResult = 4;

struct ExitCode {
  std::string_view name;
  int number;
  std::string_view meaning;
};

inline constexpr ExitCode kExitCodes[] = {
    {"ok", kExitOk, "The command did what it was asked."},
    {"usage", kExitUsage,
     "A wrong argument, a file that cannot be read or written, or a damaged result."},
    {"refused", kExitRefused,
     "The checks refused the run or an edit, nothing was left to do (stock, arrangement, "
     "job), or the stored layouts break a layout rule (check --result)."},
    {"driver-check", kExitDriverCheck,
     "optimize: the run itself refused the job (\"No valid GLASS SIZES.\" ...)."},
    {"no-result", kExitNoResult,
     "optimize: the run ended, and the job was saved, without a result that places every "
     "piece; the line under \"Optimization done.\" says why."},
};

}  // namespace lumora::cli

#endif  // LUMORA_CLI_EXIT_CODES_H_
