#ifndef LUMORA_GUI_SHELL_TOOLBAR_ICONS_H_
#define LUMORA_GUI_SHELL_TOOLBAR_ICONS_H_

#include <QIcon>

namespace lumora {

// The picture of main toolbar button 1 to 17 (a null icon for the separators). The unit pair
// (16, 17) has a pressed and a released picture.
QIcon MainToolbarIcon(int index);

// The program's own window icon: a pane of glass with its cuts on the launcher's green.
QIcon ApplicationIcon();

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_TOOLBAR_ICONS_H_
