#pragma once

#include "controls.h"
#include "shell/form.h"

class QAction;
class QFrame;
class QMenu;

// What the input window and the reading window share: the forum banner at the top,
// the two offers on the bottom panel, and the Help, Donate and Make Money Online
// entries of the menu bar, each bound to its web page.
class MainForm : public Form
{
    Q_OBJECT

public:
    QFrame *Frame2;
    controls::Label *Label61;
    QFrame *Frame5;
    controls::Label *lblCobrand;
    controls::Label *lblFullBrand;

    QMenu *mnuHelp;
    QAction *mnuOnline;
    QAction *mnuVisit;
    QAction *mnuUpdate;
    QAction *mnuAbout;
    QAction *mnuDonate;
    QAction *mnumakemoney;

protected:
    MainForm(const char *name, QSize clientTwips);

    void buildBanner(QRect banner, QRect forum);
    void buildOffers(QRect panel, const QColor &panelText, QRect offers, int alignment);
    // The menus that follow the window's own File menu.
    void buildHelpMenus(const char *firstSeparator, const char *secondSeparator, const QString &updateCaption);
    void bindSharedCommands();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Only the offer in front can be seen, so only it takes the focus.
    void focusFrontOfferOnly();
};
