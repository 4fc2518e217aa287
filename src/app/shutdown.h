#pragma once

// Closes every loaded window, hidden ones included, and ends the program. Any
// window's close handler may call it again while it runs; such a nested call
// leaves the work to the one already running.
void closeAllAndEnd();
