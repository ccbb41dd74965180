#ifndef LUMORA_GUI_SHELL_PRINTED_LANGUAGE_H_
#define LUMORA_GUI_SHELL_PRINTED_LANGUAGE_H_

#include <QString>
#include <string>
#include <string_view>

#include "render/printed_line.h"

namespace lumora {

// A line of core's printouts (report, the layouts' sections, labels plain and coded) with its
// captions in the desktop's language; a caption opens the line or follows a gap, so values stay
// as they are. Columns stay where they are: a shorter caption is padded, a longer one takes the
// blanks after it (leaving one before a word), pushes on a line without further columns, or,
// naming a value, takes the room from the gap before the next column; else it stays English.
QString LineInLanguage(std::string_view line);

// How the printouts of the data folder's user come out: in the desktop's language when "Print
// in the chosen language" is on, else as they are (none).
PrintedLineText PrintedLineTextOf(const std::string& data_folder);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_PRINTED_LANGUAGE_H_
