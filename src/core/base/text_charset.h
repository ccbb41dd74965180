#ifndef LUMORA_CORE_BASE_TEXT_CHARSET_H_
#define LUMORA_CORE_BASE_TEXT_CHARSET_H_

#include <string>
#include <string_view>

// Report texts are Latin-1 bytes (the no-break space is 0xA0). Shown outside the program they
// take the character set of where they are shown.
namespace lumora {

// The Latin-1 text in the named character set: "UTF-8" and the Latin-1 names directly, others
// through iconv with characters the set lacks transliterated ("ANSI_X3.4-1968" turns the
// no-break space into a space). A set iconv does not know gets UTF-8.
std::string TextInCharset(std::string_view latin1, const std::string& charset);

// The character set of the environment's locale (LC_ALL, LC_CTYPE, LANG), as nl_langinfo
// names it.
std::string LocaleCharset();

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_TEXT_CHARSET_H_
