#ifndef LUMORA_GUI_SHELL_NOTICES_H_
#define LUMORA_GUI_SHELL_NOTICES_H_

#include <QString>

#include "core/shell/prompter.h"

namespace lumora {

// Tells the user that a window or command is not part of the program yet: "<what> is not
// available yet." under the application title, with the information icon.
void TellNotAvailable(Prompter& prompter, const QString& what);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_NOTICES_H_
