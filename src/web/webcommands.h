#pragma once

#include "core/website.h"

class Desktop;

// Opens one of the maker's pages in the user's browser.
void openPage(Desktop &desktop, WebPage page);
