#include "menusandofferswindow.h"

#include "core/captions.h"
#include "twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

using namespace controls;

MenusAndOffersWindow::MenusAndOffersWindow(const char *name, QSize clientTwips, QWidget *parent)
    : FixedWindow(name, clientTwips, MenuBar::Shown, parent)
{
}

void MenusAndOffersWindow::buildBanner(QRect banner, QRect forum)
{
    QFrame *bannerPanel = panel(clientArea(), "Frame2", banner, colour::buttonFace);
    forumLink = label(bannerPanel, "Label61", captions::forumPromotion(), forum, verdana(9, true, true),
                      colour::purple, LabelFlag::Link | LabelFlag::Transparent | LabelFlag::Centred);
    opens(forumLink, &Label::clicked, WebPage::HomePage);
}

void MenusAndOffersWindow::buildOffers(QRect panelPlace, const QColor &panelText, QRect offers,
                                       LabelFlags alignment)
{
    const QColor face = colour::buttonFace;
    offerPanel = panel(clientArea(), "Frame5", panelPlace, face);
    setForeground(offerPanel, panelText);
    const Style offer = verdana(8.25, true, true);
    const LabelFlags offerFlags = LabelFlag::Link | LabelFlag::Wraps | alignment;
    coBrandOffer = label(offerPanel, "lblCobrand", captions::coBrandOffer(), offers, offer, colour::purple,
                         offerFlags, face);
    fullBrandOffer = label(offerPanel, "lblFullBrand", captions::fullBrandOffer(), offers, offer, colour::purple,
                           offerFlags, face);
    // By design the co-branding offer is in front: with the start-up draw (the
    // fully-branded offer in front for 2, 4 and 6, the co-branding one for 1, 3 and 5,
    // the design for 7) each offer is then seen in half of all starts.
    coBrandOffer->raise();
    showFrontOfferOnly();
    coBrandOffer->installEventFilter(this);
    fullBrandOffer->installEventFilter(this);
    opens(coBrandOffer, &Label::clicked, WebPage::CoBrandPage);
    opens(fullBrandOffer, &Label::clicked, WebPage::FullBrandPage);
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
    return FixedWindow::eventFilter(watched, event);
}

void MenusAndOffersWindow::closeEvent(QCloseEvent *event)
{
    FixedWindow::closeEvent(event);
    emit exitRequested();
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
    opens(menuEntry(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, WebPage::OnlineHelp);
    opens(menuEntry(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, WebPage::HomePage);
    menuSeparator(help, firstSeparator);
    opens(menuEntry(help, "mnuUpdate", updateCaption), &QAction::triggered, WebPage::UpdatePage);
    menuSeparator(help, secondSeparator);
    connect(menuEntry(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            &MenusAndOffersWindow::aboutRequested);
    opens(menuEntry(menuBar(), "mnuDonate", QStringLiteral("&Donate")), &QAction::triggered, WebPage::DonatePage);
    opens(menuEntry(menuBar(), "mnumakemoney", QStringLiteral("Make Money &Online")), &QAction::triggered,
          WebPage::FullBrandPage);
}
