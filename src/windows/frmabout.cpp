#include "frmabout.h"

#include "shell/twips.h"
#include "web/webcommands.h"
#include "web/website.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

using namespace controls;
using twips::at;

frmAbout::frmAbout() : Form("frmAbout", {6825, 3870}, false)
{
    setBackground(clientArea(), colour::maroon);
    setFont(fontFor(msSansSerif(8.25)));
    buildControls();
    bindCommands();
}

void frmAbout::buildControls()
{
    QWidget *window = clientArea();
    const QColor face = colour::buttonFace;

    Picture1 = pictureBox(window, "Picture1", at(120, 120, 480, 480));
    Picture1->setPixmap(windowIcon().pixmap(Picture1->size()));
    Picture1->setFocusPolicy(Qt::NoFocus);
    Picture1->setAccessibleName(QStringLiteral("VL Vestastra"));
    Label2 = label(window, "Label2", QStringLiteral("VL Vestastra 1.15"), at(840, 240, 2895, 240),
                   verdana(9.75, true), face, Transparent | SizedToText);
    Label1 = label(window, "Label1",
                   QStringLiteral("VL Vestastra is a Western zodiac based software that describes the fashion "
                                  "profiles of the different sun signs. This tells your more about your sun sign "
                                  "profile and fashion profile."),
                   at(360, 960, 6375, 795), verdana(8.25), face, Transparent | Wraps);
    lblHomePage = label(window, "lblHomePage", QStringLiteral("Visit our home page at %1").arg(website::mainHost()),
                        at(2640, 1920, 4050, 195), verdana(8.25, false, true), colour::olive,
                        Link | Transparent | SizedToText);
    Label3 = label(window, "Label3",
                   QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                  "online. Get this software fully branded for your website."),
                   at(360, 2280, 6255, 615), verdana(8.25, true), face, Transparent | Wraps);
    lblCoBrand = label(window, "lblCoBrand", QStringLiteral("Click here for more details."),
                       at(4320, 2880, 2355, 195), verdana(8.25, false, true), colour::olive,
                       Link | Transparent | SizedToText);

    Line1 = new QFrame(window);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(at(-60, 3225, 6900, 30));

    cmdOK = button(window, "cmdOK", QStringLiteral("OK"), at(5400, 3360, 1260, 345), msSansSerif(8.25, true));
    cmdOK->setDefault(true);
    setTabChain({cmdOK, lblHomePage, lblCoBrand});
    cmdOK->setFocus();
}

void frmAbout::bindCommands()
{
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(lblHomePage, &Label::clicked, this, OpenHomePage);
    connect(lblCoBrand, &Label::clicked, this, OpenFullBrandPage);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // OK is both the default and the cancel button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        cmdOK->click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}
