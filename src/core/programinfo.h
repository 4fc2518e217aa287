#pragma once

#include <QString>

// The program's name, as message boxes are captioned.
QString programTitle();
// The name with the build's version, as windows are captioned.
QString programTitleWithVersion();
