#include "webcommands.h"

#include "platform/desktop.h"

void openPage(Desktop &desktop, WebPage page)
{
    desktop.openAddress(pageAddress(page));
}
