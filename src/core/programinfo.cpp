#include "programinfo.h"

QString programTitle()
{
    return QStringLiteral("VL Vestastra");
}

QString programTitleWithVersion()
{
    // The version is the build's own, set once in the project file.
    return programTitle() + QLatin1Char(' ') + QLatin1String(VESTASTRA_VERSION);
}
