#ifndef LUMORA_GUI_SHELL_HELP_H_
#define LUMORA_GUI_SHELL_HELP_H_

#include <QString>

namespace lumora {

// The help manual's first page: help/index.html in the data folder, else where the program's
// data is installed, else in the source tree the program was built from. Empty when there is
// none.
QString FindHelpFile(const QString& data_folder);

// Opens the help manual with the desktop's browser, without waiting; failures are not told.
void OpenHelpFile(const QString& data_folder);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_HELP_H_
