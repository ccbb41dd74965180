#include "cli/cli.h"

int main(int argc, char** argv) { return lumora::cli::Run(argc, argv); }
