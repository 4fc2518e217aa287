#pragma once

#include "core/website.h"

struct Platform;
class QWidget;

// Opens one of the maker's pages in the user's browser. When no browser opens it, the
// user is told in a message box on the owner's window (none before any window is up).
void openPage(const Platform &platform, QWidget *owner, WebPage page);

// Opens an address as a page is opened, telling the user when it cannot.
void openAddress(const Platform &platform, QWidget *owner, const QString &address);
