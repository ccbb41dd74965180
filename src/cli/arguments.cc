#include "cli/arguments.h"

#include "core/base/number_text.h"

namespace lumora::cli {
namespace {

const Option* FindOption(OptionTable options, const std::string& name) {
  if (name == kHelpOption.name) return &kHelpOption;
  for (const Option& option : options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> Arguments::Value(const std::string& option) const {
  const auto found = values.find(option);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> ReadWholeOption(const Arguments& parsed, const std::string& option,
                                           int lo, int hi, std::optional<int>& value) {
  const std::optional<std::string> text = parsed.Value(option);
  if (!text) return std::nullopt;
  value = ReadWholeNumber(*text, lo, hi);
  if (value) return std::nullopt;
  return option + " needs a whole number from " + GeneralText(lo) + " to " + GeneralText(hi) +
         ", not '" + *text + "'";
}

std::optional<std::string> ParseArguments(const std::vector<std::string>& args, OptionTable options,
                                          Arguments& parsed) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inline_value;
    if (const size_t equals = arg.find('=');
        equals != std::string::npos && arg.rfind("--", 0) == 0) {
      name = arg.substr(0, equals);
      inline_value = arg.substr(equals + 1);
    }
    const Option* option = FindOption(options, name);
    if (option && option->TakesValue()) {
      if (inline_value) {
        parsed.values[name] = *inline_value;
      } else if (i + 1 < args.size()) {
        parsed.values[name] = args[++i];
      } else {
        return "option " + name + " needs a value";
      }
    } else if (option && !inline_value) {
      parsed.switches.insert(name);
    } else {
      return "unknown option " + arg;
    }
  }
  return std::nullopt;
}

}  // namespace lumora::cli
