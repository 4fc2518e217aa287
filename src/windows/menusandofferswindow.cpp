#include "menusandofferswindow.h"

#include "aboutwindow.h"
#include "core/captions.h"
#include "platform/forms.h"
#include "twips.h"
#include "web/webcommands.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

using namespace controls;

MenusAndOffersWindow::MenusAndOffersWindow(const char *name, QSize clientTwips)
    : Form(name, twips::size(clientTwips), true)
{
}

void MenusAndOffersWindow::buildBanner(QRect banner, QRect forum)
{
    QFrame *bannerPanel = panel(clientArea(), "Frame2", banner, colour::buttonFace);
    forumLink = label(bannerPanel, "Label61", captions::forumPromotion(), forum, verdana(9, true, true),
                      colour::purple, Link | Transparent | Centred);
    connect(forumLink, &Label::clicked, this, openHomePage);
}

void MenusAndOffersWindow::buildOffers(QRect panelPlace, const QColor &panelText, QRect offers, int alignment)
{
    const QColor face = colour::buttonFace;
    offerPanel = panel(clientArea(), "Frame5", panelPlace, face);
    setForeground(offerPanel, panelText);
    const Style offer = verdana(8.25, true, true);
    coBrandOffer = label(offerPanel, "lblCobrand", captions::coBrandOffer(), offers, offer, colour::purple,
                         Link | Wraps | alignment, face);
    fullBrandOffer = label(offerPanel, "lblFullBrand", captions::fullBrandOffer(), offers, offer, colour::purple,
                           Link | Wraps | alignment, face);
    // By design the co-branding offer is in front: with the start-up draw (the
    // fully-branded offer in front for 2, 4 and 6, the co-branding one for 1, 3 and 5,
    // the design for 7) each offer is then seen in half of all starts.
    coBrandOffer->raise();
    showFrontOfferOnly();
    coBrandOffer->installEventFilter(this);
    fullBrandOffer->installEventFilter(this);
    connect(coBrandOffer, &Label::clicked, this, openCoBrandPage);
    connect(fullBrandOffer, &Label::clicked, this, openFullBrandPage);
}

void MenusAndOffersWindow::bringOfferToFront(FrontOffer offer)
{
    switch (offer) {
    case FrontOffer::FullBrand:
        fullBrandOffer->raise();
        break;
    case FrontOffer::CoBrand:
        coBrandOffer->raise();
        break;
    case FrontOffer::AsBuilt:
        break;
    }
}

bool MenusAndOffersWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ZOrderChange)
        showFrontOfferOnly();
    return Form::eventFilter(watched, event);
}

void MenusAndOffersWindow::showFrontOfferOnly()
{
    // The panel lists its children from the bottom of the stack to the top.
    const QObjectList stack = offerPanel->children();
    const bool coBrandInFront = stack.indexOf(coBrandOffer) > stack.indexOf(fullBrandOffer);
    coBrandOffer->setVisible(coBrandInFront);
    fullBrandOffer->setVisible(!coBrandInFront);
}

void MenusAndOffersWindow::buildHelpMenus(const char *firstSeparator, const char *secondSeparator,
                                          const QString &updateCaption)
{
    QMenu *help = menuTitle(menuBar(), "mnuHelp", QStringLiteral("&Help"));
    connect(menuEntry(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            openOnlineHelp);
    connect(menuEntry(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, this,
            openHomePage);
    menuSeparator(help, firstSeparator);
    connect(menuEntry(help, "mnuUpdate", updateCaption), &QAction::triggered, this, openUpdatePage);
    menuSeparator(help, secondSeparator);
    connect(menuEntry(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            [this] { Forms::showModal<AboutWindow>(this); }, Qt::QueuedConnection);

    connect(menuEntry(menuBar(), "mnuDonate", QStringLiteral("&Donate")), &QAction::triggered, this,
            openDonatePage);
    connect(menuEntry(menuBar(), "mnumakemoney", QStringLiteral("Make Money &Online")), &QAction::triggered,
            this, openFullBrandPage);
}
