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

QString pageAddress(WebPage page)
{
    switch (page) {
    case WebPage::OnlineHelp:
        return website::mainSite() + QLatin1String("/vl-free-vestastra/vl-free-vestastra-help.html");
    case WebPage::HomePage:
        return website::mainSite();
    case WebPage::UpdatePage:
        return website::mainSite() + QLatin1String("/vl-free-vestastra/download-vl-free-vestastra.html");
    case WebPage::SoftwareCatalogue:
        return website::mainSite() + QLatin1String("/tessivane");
    case WebPage::DonatePage:
        return website::helpSite() + QLatin1String("/donate.html");
    case WebPage::FullBrandPage:
        return website::helpSite() + QLatin1String("/fully-branded.html");
    case WebPage::CoBrandPage:
        return website::helpSite() + QLatin1String("/co-brand.html");
    }
    return {};
}
