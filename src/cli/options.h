#ifndef LUMORA_CLI_OPTIONS_H_
#define LUMORA_CLI_OPTIONS_H_

#include <span>
#include <string_view>

// The rows of the commands' option tables. One table per command drives both its parsing and
// its --help.
namespace lumora::cli {

// How the usage shows an option: in brackets, bare because the command needs it, or in the
// brackets of the option before it as the other choice ("[--layout N | --all]").
enum class OptionUse { kOptional, kRequired, kOrPrevious };

// One option: a name ("--unit", "-o"), the name of its value in help ("MM|IN"), empty for a
// switch that takes none ("--coil"), one line of help, and how the usage shows it.
struct Option {
  std::string_view name;
  std::string_view value;
  std::string_view help;
  OptionUse use = OptionUse::kOptional;

  bool TakesValue() const { return !value.empty(); }
};

using OptionTable = std::span<const Option>;

// Every command answers --help; the parser knows it without a row.
inline constexpr Option kHelpOption{"--help", "", "Prints this help and exits."};

// The rows that several commands share.
inline constexpr Option kDataDirOption{"--data-dir", "DIR",
                                       "The data folder; else $LUMORA_HOME or the user's."};
inline constexpr Option kCoilOption{"--coil", "",
                                    "Opens the job in coil mode (a .sdr file always is)."};
inline constexpr Option kUnitOption{"--unit", "MM|IN",
                                    "Shows lengths in this unit instead of the data folder's."};
inline constexpr Option kStrictOption{
    "--strict", "", "Answers each question of the checks with its default button, not Yes."};
inline constexpr Option kOutJobOption{"-o", "OUT",
                                      "Writes the job to OUT and leaves JOB as it was."};

}  // namespace lumora::cli

#endif  // LUMORA_CLI_OPTIONS_H_
