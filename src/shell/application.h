#pragma once

// Runs the program: the start-up sequence, then the windows until the program ends.
// Returns the process exit status.
int runVestastra(int argc, char *argv[]);
