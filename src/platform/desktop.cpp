#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

void QtDesktop::openAddress(const QString &address)
{
    // The address arrives fully encoded; Qt must pass it on as it stands.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
