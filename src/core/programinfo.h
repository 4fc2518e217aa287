#pragma once

#include <QString>

// The program's name, as message boxes are captioned.
QString programTitle();
// The build's version, set once in the project file.
QString programVersion();

// Whether start-up reminds the user to look for a newer version: a build for a
// package manager that does the updating leaves it out.
bool remindsOfUpdates();

// The name with the build's version, as windows are captioned.
QString programTitleWithVersion();
