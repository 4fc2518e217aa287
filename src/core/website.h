#pragma once

#include <QString>

// The maker's two sites, fixed when the program is built.
namespace website {

QString mainSite();   // e.g. "http://www.vestastra.example", no trailing slash
QString helpSite();
QString mainHost();   // the main site's host name, as captions write it out

} // namespace website

// The maker's pages the program opens.
enum class WebPage { OnlineHelp, HomePage, UpdatePage, SoftwareCatalogue, DonatePage, FullBrandPage, CoBrandPage };

QString pageAddress(WebPage page);
