#include "frmnagscreen.h"

#include "forms.h"
#include "instanceguard.h"
#include "messagebox.h"
#include "random.h"
#include "shutdown.h"
#include "web/updatereminder.h"
#include "windows/frmmain.h"

#include <cmath>

frmNagScreen::frmNagScreen() : Form("frmNagScreen", {0, 0}, false) {}

void frmNagScreen::onLoad()
{
    if (Seam<InstanceGuard>::get().anotherIsRunning()) {
        showMessage(nullptr, QStringLiteral("Application is already running"), MessageIcon::Information);
        UnloadAllAndEnd();
        return;
    }
    seedRandomFromClock();
    UpdateReminder();
    Forms::show<frmMain>();
    hide();
    CoBrand_Randomize();
}

void frmNagScreen::onUnload()
{
    UnloadAllAndEnd();
}

qint16 coBrandDraw(float r)
{
    const float scaled = r * 6.0f + 1.0f;
    // The default rounding mode rounds halves to the even neighbour.
    return qint16(std::lrint(scaled));
}

void frmNagScreen::CoBrand_Randomize()
{
    intCoBrandRandomNumber = coBrandDraw(drawRandom());
    frmMain &input = Forms::get<frmMain>();
    switch (intCoBrandRandomNumber) {
    case 2:
    case 4:
    case 6:
        Forms::bringToFront(*input.lblFullBrand);
        break;
    case 1:
    case 3:
    case 5:
        Forms::bringToFront(*input.lblCobrand);
        break;
    default:
        break;
    }
}
