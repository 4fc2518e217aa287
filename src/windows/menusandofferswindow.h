#pragma once

#include "controls.h"
#include "core/offerdraw.h"
#include "core/website.h"
#include "fixedwindow.h"

class QFrame;

// What the input window and the reading window share: the forum banner at the top,
// the two offers on the bottom panel, and the Help, Donate and Make Money Online
// entries of the menu bar. Closing the window, by its close box or its Exit command,
// is the user's asking to leave.
class MenusAndOffersWindow : public FixedWindow
{
    Q_OBJECT

public:
    // The two offers share one place; this one is seen, clicked and focused.
    void bringOfferToFront(FrontOffer offer);

signals:
    void pageRequested(WebPage page);
    void aboutRequested();
    void exitRequested();

protected:
    MenusAndOffersWindow(const char *name, QSize clientTwips, QWidget *parent);

    void buildBanner(QRect banner, QRect forum);
    void buildOffers(QRect panel, const QColor &panelText, QRect offers, controls::LabelFlags alignment);
    // The menus that follow the window's own File menu.
    void buildHelpMenus(const char *firstSeparator, const char *secondSeparator, const QString &updateCaption);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    controls::Label *forumLink = nullptr;
    QFrame *offerPanel = nullptr;
    controls::Label *coBrandOffer = nullptr;
    controls::Label *fullBrandOffer = nullptr;

private:
    // Only the offer in front can be seen, so the one beneath is hidden: no screen
    // reader reads it, and it takes no focus. Hidden, it changes not a pixel.
    void showFrontOfferOnly();
    // Binds a control's signal to asking for a page.
    template <class Sender, class Signal>
    void opens(Sender *sender, Signal signal, WebPage page)
    {
        connect(sender, signal, this, [this, page] { emit pageRequested(page); });
    }
};
