#ifndef LUMORA_GUI_SHELL_STARTUP_H_
#define LUMORA_GUI_SHELL_STARTUP_H_

namespace lumora {

// Runs the desktop program: reads the command line, prepares the data folder, shows the main
// window and returns the exit code.
int RunDesktop(int argc, char** argv);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_STARTUP_H_
