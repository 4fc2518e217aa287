#pragma once

#include <QString>

// The program's name, as message boxes are captioned.
QString programTitle();
// The name with the version, as windows are captioned: "VL Vestastra 1.15".
QString programTitleWithVersion();
