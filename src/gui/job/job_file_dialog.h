#ifndef LUMORA_GUI_JOB_JOB_FILE_DIALOG_H_
#define LUMORA_GUI_JOB_JOB_FILE_DIALOG_H_

#include <QString>
#include <string>

#include "core/job/file_commands.h"

class QWidget;

namespace lumora {

// A filter of the File commands in the file dialog's syntax: "*.opt|*.opt" gives "*.opt",
// "SDR (*.sdr)|*.sdr|OPT (*.opt)|*.opt" gives "SDR (*.sdr);;OPT (*.opt)"; the globs in brackets
// are always the entry's own, blank-separated.
QString QtFileFilter(const std::string& filter);

// The shared open/save dialog over the parent window: the title, starting name and filter the
// command asks for; open wants an existing file, save asks before replacing one and adds the
// extension of the filter chosen to a name without one.
FileDialog MakeJobFileDialog(QWidget* parent);

}  // namespace lumora

#endif  // LUMORA_GUI_JOB_JOB_FILE_DIALOG_H_
