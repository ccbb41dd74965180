#ifndef LUMORA_CORE_SHELL_HELP_PAGES_H_
#define LUMORA_CORE_SHELL_HELP_PAGES_H_

#include <string_view>

// Which page of the HTML manual (data/help) answers F1 in which window.
namespace lumora {

inline constexpr std::string_view kHelpContentsPage = "index.html";

// The manual's page for a window by its name ("SHEET", "LABELS", "Dia" ...), with an anchor
// where one page covers several windows ("settings.html#misc"). The contents page for a window
// the manual does not know.
std::string_view HelpPageFor(std::string_view window_name);

// The page of a numbered help topic: 38 moving and adding glass pieces, 39 changing and adding
// balances (the layout edit dialogs). The contents page for any other number.
std::string_view HelpTopicPage(int topic);

}  // namespace lumora

#endif  // LUMORA_CORE_SHELL_HELP_PAGES_H_
