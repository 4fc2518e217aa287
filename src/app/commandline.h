#pragma once

#include <QStringList>

#include <optional>

// The command line. --help, --help-all and --version print and end the program before
// it reaches for a display, takes its lock or reads its settings. Each returns the
// exit status when the program ends here, nothing when it goes on to start.

// Answers --help, --help-all and --version, before the application object is made.
std::optional<int> answerWithoutDisplay(int argc, char *argv[]);

// Checks what the application object left of the arguments, once it has taken Qt's
// own options (-platform, -style, -reverse...): a wrong option or an argument is
// told in one line.
std::optional<int> checkArguments(const QStringList &arguments);
