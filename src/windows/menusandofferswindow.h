#pragma once

#include "controls.h"
#include "core/offerdraw.h"
#include "platform/form.h"

class QFrame;

// What the input window and the reading window share: the forum banner at the top,
// the two offers on the bottom panel, and the Help, Donate and Make Money Online
// entries of the menu bar, each bound to its web page.
class MenusAndOffersWindow : public Form
{
    Q_OBJECT

public:
    // The two offers share one place; this one is seen, clicked and focused.
    void bringOfferToFront(FrontOffer offer);

protected:
    MenusAndOffersWindow(const char *name, QSize clientTwips);

    void buildBanner(QRect banner, QRect forum);
    void buildOffers(QRect panel, const QColor &panelText, QRect offers, int alignment);
    // The menus that follow the window's own File menu.
    void buildHelpMenus(const char *firstSeparator, const char *secondSeparator, const QString &updateCaption);

    bool eventFilter(QObject *watched, QEvent *event) override;

    controls::Label *forumLink = nullptr;
    QFrame *offerPanel = nullptr;
    controls::Label *coBrandOffer = nullptr;
    controls::Label *fullBrandOffer = nullptr;

private:
    // Only the offer in front can be seen, so the one beneath is hidden: no screen
    // reader reads it, and it takes no focus. Hidden, it changes not a pixel.
    void showFrontOfferOnly();
};
