#ifndef LUMORA_CORE_BASE_ASCII_CASE_H_
#define LUMORA_CORE_BASE_ASCII_CASE_H_

#include <string>
#include <string_view>

// Letter case as the program folds it: the letters A to Z only, whatever the locale, so that
// keys, headers, file extensions and the lower-case texts of layouts come out alike everywhere.
// Latin-1 letters beyond ASCII keep their case.
namespace lumora {

char AsciiLower(char c);
char AsciiUpper(char c);
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// Whether the text ends with the suffix, letter case aside (".OPT" ends "job.opt").
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_ASCII_CASE_H_
