#pragma once

#include <chrono>

class QApplication;

// Runs the program: the start-up sequence, then the windows until the program ends.
// Returns the process exit status.
int runVestastra(int argc, char *argv[]);

// Sets the application up as the program runs, puts the program's flow in place and
// starts it through its start-up form; false when the program ended during start-up
// (another copy runs).
bool startVestastra(QApplication &app);

// How long the text cursor blinks after the user's last key press or click.
constexpr std::chrono::seconds caretBlinkTime{10};
