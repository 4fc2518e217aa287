#include "mainform.h"

#include "captions.h"
#include "frmabout.h"
#include "shell/forms.h"
#include "web/webcommands.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

using namespace controls;

MainForm::MainForm(const char *name, QSize clientTwips) : Form(name, clientTwips, true) {}

void MainForm::buildBanner(QRect banner, QRect forum)
{
    Frame2 = panel(clientArea(), "Frame2", banner, colour::buttonFace);
    Label61 = label(Frame2, "Label61", captions::forumPromotion(), forum, verdana(9, true, true), colour::purple,
                    Link | Transparent | Centred);
}

void MainForm::buildOffers(QRect panelPlace, const QColor &panelText, QRect offers, int alignment)
{
    const QColor face = colour::buttonFace;
    Frame5 = panel(clientArea(), "Frame5", panelPlace, face);
    setForeground(Frame5, panelText);
    const Style offer = verdana(8.25, true, true);
    lblCobrand = label(Frame5, "lblCobrand", captions::coBrandOffer(), offers, offer, colour::purple,
                       Link | Wraps | alignment, face);
    lblFullBrand = label(Frame5, "lblFullBrand", captions::fullBrandOffer(), offers, offer, colour::purple,
                         Link | Wraps | alignment, face);
    // The two offers share one rectangle; only the one in front is seen and clicked.
    // By design the co-branding offer is in front: with the start-up draw (the
    // fully-branded offer in front for 2, 4 and 6, the co-branding one for 1, 3 and 5,
    // the design for 7) each offer is then seen in half of all starts.
    lblCobrand->raise();
    focusFrontOfferOnly();
    lblCobrand->installEventFilter(this);
    lblFullBrand->installEventFilter(this);
}

bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ZOrderChange)
        focusFrontOfferOnly();
    return Form::eventFilter(watched, event);
}

void MainForm::focusFrontOfferOnly()
{
    QWidget *front = Frame5->childAt(lblCobrand->geometry().center());
    lblCobrand->setFocusPolicy(front == lblCobrand ? Qt::TabFocus : Qt::NoFocus);
    lblFullBrand->setFocusPolicy(front == lblFullBrand ? Qt::TabFocus : Qt::NoFocus);
}

void MainForm::buildHelpMenus(const char *firstSeparator, const char *secondSeparator, const QString &updateCaption)
{
    mnuHelp = menuTitle(menuBar(), "mnuHelp", QStringLiteral("&Help"));
    mnuOnline = menuEntry(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
    mnuVisit = menuEntry(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    menuSeparator(mnuHelp, firstSeparator);
    mnuUpdate = menuEntry(mnuHelp, "mnuUpdate", updateCaption);
    menuSeparator(mnuHelp, secondSeparator);
    mnuAbout = menuEntry(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    mnuDonate = menuEntry(menuBar(), "mnuDonate", QStringLiteral("&Donate"));
    mnumakemoney = menuEntry(menuBar(), "mnumakemoney", QStringLiteral("Make Money &Online"));
}

void MainForm::bindSharedCommands()
{
    connect(mnuOnline, &QAction::triggered, this, OpenOnlineHelp);
    connect(mnuVisit, &QAction::triggered, this, OpenHomePage);
    connect(mnuUpdate, &QAction::triggered, this, OpenUpdatePage);
    connect(mnuAbout, &QAction::triggered, this, [] { Forms::showModal<frmAbout>(); });
    connect(mnuDonate, &QAction::triggered, this, OpenDonatePage);
    connect(mnumakemoney, &QAction::triggered, this, OpenFullBrandPage);
    connect(Label61, &Label::clicked, this, OpenHomePage);
    connect(lblCobrand, &Label::clicked, this, OpenCoBrandPage);
    connect(lblFullBrand, &Label::clicked, this, OpenFullBrandPage);
}
