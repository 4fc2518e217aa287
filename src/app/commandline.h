#pragma once

#include <optional>

// The command line: --help and --version print and end the program, before it opens
// a window, takes its lock or reads its settings; an unknown option is an error. Qt's
// own options (-platform, -style...) are left for the application object. Returns the
// exit status when the program ends here, nothing when it goes on to start.
std::optional<int> handleCommandLine(int argc, char *argv[]);
