#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

bool QtDesktop::openAddress(const QString &address)
{
    // The address arrives fully encoded; Qt must pass it on as it stands. Qt answers
    // false when it finds no browser or cannot start one (an address too long, too).
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
