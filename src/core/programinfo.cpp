#include "programinfo.h"

QString programTitle()
{
    return QStringLiteral("VL Vestastra");
}

QString programVersion()
{
    return QLatin1String(VESTASTRA_VERSION);
}

bool remindsOfUpdates()
{
    return VESTASTRA_UPDATE_REMINDER;
}

QString programTitleWithVersion()
{
    return programTitle() + QLatin1Char(' ') + programVersion();
}
