#include "aboutwindow.h"

#include "controls.h"
#include "core/programinfo.h"
#include "core/website.h"
#include "twips.h"
#include "web/webcommands.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

using namespace controls;
using twips::at;

AboutWindow::AboutWindow() : Form("frmAbout", twips::size({6825, 3870}), false)
{
    setBackground(clientArea(), colour::maroon);
    setFont(fontFor(msSansSerif(8.25)));
    buildControls();
}

void AboutWindow::buildControls()
{
    QWidget *window = clientArea();
    const QColor face = colour::buttonFace;

    QLabel *icon = pictureBox(window, "Picture1", at(120, 120, 480, 480));
    icon->setPixmap(windowIcon().pixmap(icon->size()));
    icon->setFocusPolicy(Qt::NoFocus);
    icon->setAccessibleName(programTitle());
    label(window, "Label2", programTitleWithVersion(), at(840, 240, 2895, 240),
          verdana(9.75, true), face, Transparent | SizedToText);
    label(window, "Label1",
          QStringLiteral("VL Vestastra is a Western zodiac based software that describes the fashion "
                         "profiles of the different sun signs. This tells your more about your sun sign "
                         "profile and fashion profile."),
          at(360, 960, 6375, 795), verdana(8.25), face, Transparent | Wraps);
    Label *homePageLink = label(window, "lblHomePage",
                                QStringLiteral("Visit our home page at %1").arg(website::mainHost()),
                                at(2640, 1920, 4050, 195), verdana(8.25, false, true), colour::olive,
                                Link | Transparent | SizedToText);
    label(window, "Label3",
          QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                         "online. Get this software fully branded for your website."),
          at(360, 2280, 6255, 615), verdana(8.25, true), face, Transparent | Wraps);
    Label *fullBrandLink = label(window, "lblCoBrand", QStringLiteral("Click here for more details."),
                                 at(4320, 2880, 2355, 195), verdana(8.25, false, true), colour::olive,
                                 Link | Transparent | SizedToText);

    auto *line = new QFrame(window);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(at(-60, 3225, 6900, 30));

    okButton = button(window, "cmdOK", QStringLiteral("OK"), at(5400, 3360, 1260, 345), msSansSerif(8.25, true));
    okButton->setDefault(true);
    setTabChain({okButton, homePageLink, fullBrandLink});
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
    connect(homePageLink, &Label::clicked, this, openHomePage);
    connect(fullBrandLink, &Label::clicked, this, openFullBrandPage);
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    // OK is both the default and the cancel button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        okButton->click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}
