#ifndef LUMORA_GUI_SHELL_SHELL_COLOURS_H_
#define LUMORA_GUI_SHELL_SHELL_COLOURS_H_

#include <QColor>

namespace lumora {

// The launcher's background and the white of its banner text.
inline constexpr QColor kLauncherBackground(35, 101, 53);
inline constexpr QColor kBannerText(255, 255, 255);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_SHELL_COLOURS_H_
