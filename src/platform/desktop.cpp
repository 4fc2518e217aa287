#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class QtDesktop final : public Desktop
{
public:
    void openAddress(const QString &address) override
    {
        // The address arrives fully encoded; Qt must pass it on as it stands.
        QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
    }
};

} // namespace

Desktop &Desktop::system()
{
    static QtDesktop desktop;
    return desktop;
}
