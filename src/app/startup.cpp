#include "startup.h"

#include "core/offerdraw.h"
#include "core/programinfo.h"
#include "platform/forms.h"
#include "platform/instanceguard.h"
#include "platform/messagebox.h"
#include "platform/random.h"
#include "shutdown.h"
#include "web/updatereminder.h"
#include "windows/inputwindow.h"

StartUp::StartUp() : Form("frmNagScreen", {0, 0}, false) {}

void StartUp::onLoad()
{
    if (Seam<InstanceGuard>::get().anotherIsRunning()) {
        showMessage(nullptr, QStringLiteral("Application is already running"), MessageIcon::Information);
        closeAllAndEnd();
        return;
    }
    seedRandomFromClock();
    if (remindsOfUpdates())
        remindOfUpdate();
    Forms::show<InputWindow>();
    drawFrontOffer();
}

void StartUp::onUnload()
{
    closeAllAndEnd();
}

void StartUp::drawFrontOffer()
{
    Forms::load<InputWindow>().bringOfferToFront(frontOfferFor(offerDraw(drawRandom())));
}
