#include "webcommands.h"

#include "core/website.h"
#include "platform/desktop.h"

void openOnlineHelp() { openAddress(pageAddress(WebPage::OnlineHelp)); }
void openHomePage() { openAddress(pageAddress(WebPage::HomePage)); }
void openUpdatePage() { openAddress(pageAddress(WebPage::UpdatePage)); }
void openSoftwareCatalogue() { openAddress(pageAddress(WebPage::SoftwareCatalogue)); }
void openDonatePage() { openAddress(pageAddress(WebPage::DonatePage)); }
void openFullBrandPage() { openAddress(pageAddress(WebPage::FullBrandPage)); }
void openCoBrandPage() { openAddress(pageAddress(WebPage::CoBrandPage)); }
