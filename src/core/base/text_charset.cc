#include "core/base/text_charset.h"

#include <iconv.h>
#include <langinfo.h>

#include <clocale>
#include <vector>

#include "core/base/delimited_text.h"

namespace lumora {
namespace {

// Through iconv; nothing when the set is unknown or a character cannot be written at all.
bool Convert(std::string_view latin1, const std::string& charset, std::string& out) {
  const iconv_t cd = iconv_open((charset + "//TRANSLIT").c_str(), "ISO-8859-1");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in(latin1);
  char* in_ptr = in.data();
  size_t in_left = in.size();
  // A transliteration is a few characters at most ("EUR" for the euro sign).
  std::vector<char> buffer(in.size() * 4 + 16);
  char* out_ptr = buffer.data();
  size_t out_left = buffer.size();
  const size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return false;
  out.assign(buffer.data(), static_cast<size_t>(out_ptr - buffer.data()));
  return true;
}

}  // namespace

std::string TextInCharset(std::string_view latin1, const std::string& charset) {
  if (charset == "ISO-8859-1" || charset == "ISO8859-1" || charset == "LATIN1") {
    return std::string(latin1);
  }
  std::string converted;
  if (charset != "UTF-8" && Convert(latin1, charset, converted)) return converted;
  return Latin1ToUtf8(latin1);
}

std::string LocaleCharset() {
  std::setlocale(LC_CTYPE, "");
  return nl_langinfo(CODESET);
}

}  // namespace lumora
