#pragma once

#include <QString>

// The program's name, as message boxes are captioned.
QString programTitle();
// The build's version, set once in the project file.
QString programVersion();

// The name with the build's version, as windows are captioned.
QString programTitleWithVersion();
