#pragma once

#include <QString>

// The maker's pages, each opened in the user's browser by one command.
enum class WebPage { OnlineHelp, HomePage, UpdatePage, SoftwareCatalogue, DonatePage, FullBrandPage, CoBrandPage };

QString pageAddress(WebPage page);

void OpenOnlineHelp();
void OpenHomePage();
void OpenUpdatePage();
void OpenSoftwareCatalogue();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();
