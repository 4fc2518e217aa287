#include "webcommands.h"

#include "platform/platform.h"

void openPage(const Platform &platform, QWidget *owner, WebPage page)
{
    openAddress(platform, owner, pageAddress(page));
}

void openAddress(const Platform &platform, QWidget *owner, const QString &address)
{
    if (!platform.desktop.openAddress(address))
        platform.messages.showMessage(owner, QStringLiteral("The page could not be opened in your web browser."),
                                      MessageIcon::Critical);
}
