#include "website.h"

#include <QUrl>

namespace website {

QString mainSite()
{
    return QStringLiteral(VESTASTRA_MAIN_SITE);
}

QString helpSite()
{
    return QStringLiteral(VESTASTRA_HELP_SITE);
}

QString mainHost()
{
    return QUrl(mainSite()).host();
}

} // namespace website
