#include "aboutwindow.h"

#include "controls.h"
#include "core/programinfo.h"
#include "core/website.h"
#include "twips.h"

#include <QFrame>
#include <QPushButton>

using namespace controls;
using twips::at;

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent), frame(*this, "frmAbout", {6825, 3870}, MenuBar::None)
{
    setBackground(frame.clientArea(), colour::maroon);
    setFont(fontFor(msSansSerif(8.25)));
    buildControls();
}

void AboutWindow::setVisible(bool visible)
{
    if (visible)
        frame.placeBeforeShowing();
    QDialog::setVisible(visible);
}

void AboutWindow::buildControls()
{
    QWidget *window = frame.clientArea();
    const QColor face = colour::buttonFace;

    QLabel *icon = pictureBox(window, "Picture1", at(120, 120, 480, 480));
    icon->setPixmap(windowIcon().pixmap(icon->size()));
    icon->setFocusPolicy(Qt::NoFocus);
    icon->setAccessibleName(programTitle());
    label(window, "Label2", programTitleWithVersion(), at(840, 240, 2895, 240),
          verdana(9.75, true), face, LabelFlag::Transparent | LabelFlag::SizedToText);
    label(window, "Label1",
          QStringLiteral("VL Vestastra is a Western zodiac based software that describes the fashion "
                         "profiles of the different sun signs. This tells your more about your sun sign "
                         "profile and fashion profile."),
          at(360, 960, 6375, 795), verdana(8.25), face, LabelFlag::Transparent | LabelFlag::Wraps);
    Label *homePageLink = label(window, "lblHomePage",
                                QStringLiteral("Visit our home page at %1").arg(website::mainHost()),
                                at(2640, 1920, 4050, 195), verdana(8.25, false, true), colour::olive,
                                LabelFlag::Link | LabelFlag::Transparent | LabelFlag::SizedToText);
    label(window, "Label3",
          QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                         "online. Get this software fully branded for your website."),
          at(360, 2280, 6255, 615), verdana(8.25, true), face, LabelFlag::Transparent | LabelFlag::Wraps);
    Label *fullBrandLink = label(window, "lblCoBrand", QStringLiteral("Click here for more details."),
                                 at(4320, 2880, 2355, 195), verdana(8.25, false, true), colour::olive,
                                 LabelFlag::Link | LabelFlag::Transparent | LabelFlag::SizedToText);

    auto *line = new QFrame(window);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(at(-60, 3225, 6900, 30));

    // The default button, which Enter presses; Escape closes the dialog as OK does.
    QPushButton *okButton =
        button(window, "cmdOK", QStringLiteral("OK"), at(5400, 3360, 1260, 345), msSansSerif(8.25, true));
    okButton->setDefault(true);
    setTabChain({okButton, homePageLink, fullBrandLink});
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(homePageLink, &Label::clicked, this, [this] { emit pageRequested(WebPage::HomePage); });
    connect(fullBrandLink, &Label::clicked, this, [this] { emit pageRequested(WebPage::FullBrandPage); });
}
