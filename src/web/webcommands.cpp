#include "webcommands.h"

#include "shell/desktop.h"
#include "website.h"

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

void OpenOnlineHelp() { openAddress(pageAddress(WebPage::OnlineHelp)); }
void OpenHomePage() { openAddress(pageAddress(WebPage::HomePage)); }
void OpenUpdatePage() { openAddress(pageAddress(WebPage::UpdatePage)); }
void OpenSoftwareCatalogue() { openAddress(pageAddress(WebPage::SoftwareCatalogue)); }
void OpenDonatePage() { openAddress(pageAddress(WebPage::DonatePage)); }
void OpenFullBrandPage() { openAddress(pageAddress(WebPage::FullBrandPage)); }
void OpenCoBrandPage() { openAddress(pageAddress(WebPage::CoBrandPage)); }
