#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

bool QtDesktop::openAddress(const QString &address)
{
    // Qt answers false when it finds no browser or cannot start it.
    if (address.size() > longestAddress)
        return false;
    // The address arrives fully encoded; Qt must pass it on as it stands.
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
