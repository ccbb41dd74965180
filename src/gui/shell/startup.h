#ifndef LUMORA_GUI_SHELL_STARTUP_H_
#define LUMORA_GUI_SHELL_STARTUP_H_

namespace lumora {

// Runs the desktop program `lumora [--data-dir DIR] [--lang CODE] [JOB]`: one instance per user (a
// second start says "Lumora is already running" and ends), the data folder prepared, the language
// installed, then the launcher until Exit. Returns the exit code.
int RunDesktop(int argc, char** argv);

}  // namespace lumora

#endif  // LUMORA_GUI_SHELL_STARTUP_H_
