#pragma once

// Puts the program's flow in place: from now on every window, as it loads, is heard
// by the step its signals lead to (a reading, Back, the exit screen, the end). Safe
// to call again.
void installProgramFlow();
