#include "gui/shell/startup.h"

int main(int argc, char** argv) { return lumora::RunDesktop(argc, argv); }
