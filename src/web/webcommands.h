#pragma once

// Each opens one of the maker's pages in the user's browser.
void openOnlineHelp();
void openHomePage();
void openUpdatePage();
void openSoftwareCatalogue();
void openDonatePage();
void openFullBrandPage();
void openCoBrandPage();
