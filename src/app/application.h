#pragma once

#include <chrono>

class QApplication;

// Runs the program: its command line, then its session until it ends. Returns the
// process exit status.
int runVestastra(int argc, char *argv[]);

// Sets the application up as the program runs: its identity, style, caches and the
// caret's blinking.
void setUpApplication(QApplication &app);

// How long the text cursor blinks after the user's last key press or click.
constexpr std::chrono::seconds caretBlinkTime{10};
