#ifndef LUMORA_RENDER_PRINTED_LINE_H_
#define LUMORA_RENDER_PRINTED_LINE_H_

#include <QString>
#include <string_view>

namespace lumora {

// How a line of core's text (Latin-1) comes out on paper; none prints it as it is.
using PrintedLineText = QString (*)(std::string_view line);

inline QString PrintedLine(std::string_view line, PrintedLineText line_text) {
  return line_text != nullptr
             ? line_text(line)
             : QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace lumora

#endif  // LUMORA_RENDER_PRINTED_LINE_H_
