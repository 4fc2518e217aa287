#include "frmdisplay.h"

#include "frmmain.h"
#include "frmnagscreen2.h"
#include "shell/forms.h"
#include "shell/frmnagscreen.h"
#include "shell/twips.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace controls;
using twips::at;

namespace {

constexpr int headingFlags = Transparent | SizedToText;
constexpr Style headingStyle = verdana(8.25, true, true);
constexpr int scaleFlags = Centred | Wraps;

Label *heading(QWidget *page, const char *name, const char *caption, QRect place)
{
    return label(page, name, QLatin1String(caption), place, headingStyle, Qt::white, headingFlags);
}

Label *sunSignValue(QWidget *page, const char *name, QRect place)
{
    return label(page, name, {}, place, verdana(8.25, true), colour::buttonFace,
                 Transparent | Centred | SizedToText);
}

Label *fashionValue(QWidget *page, const char *name, QRect place)
{
    return label(page, name, {}, place, verdana(8.25, true), colour::maroon, scaleFlags, colour::buttonFace);
}

QPlainTextEdit *longText(QWidget *page, const char *name, const char *heading, QRect place)
{
    QPlainTextEdit *box = readingBox(page, name, place);
    box->setAccessibleName(QLatin1String(heading));
    setBackground(box, colour::maroon);
    setForeground(box, colour::buttonFace);
    return box;
}

// A tab's page holds one frame that fills it.
QFrame *pageFrame(QTabWidget *tabs, const char *name, const QString &caption)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    QFrame *frame = panel(page, name, {}, colour::maroon);
    layout->addWidget(frame);
    tabs->addTab(page, caption);
    return frame;
}

} // namespace

frmDisplay::frmDisplay() : MainForm("frmDisplay", {8295, 7575})
{
    setBackground(clientArea(), colour::darkGrey);
    setForeground(clientArea(), Qt::black);
    setFont(fontFor(verdana(8.25)));
    buildControls();
    buildMenus();
    bindCommands();
}

void frmDisplay::buildControls()
{
    QWidget *window = clientArea();

    buildBanner(at(0, 0, 8295, 615), at(180, 120, 7920, 465));

    SSTab1 = new QTabWidget(window);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(at(0, 600, 8295, 6255));
    SSTab1->setDocumentMode(true);
    // The tab strip takes no colours of the window around it: its captions and faces
    // are wholly the desktop's, readable in any colour scheme.
    QPalette desktop = QApplication::palette(SSTab1);
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    SSTab1->setPalette(desktop);
    Frame4 = pageFrame(SSTab1, "Frame4", QStringLiteral("Sun Sign Profile"));
    Frame3 = pageFrame(SSTab1, "Frame3", QStringLiteral("Fashion Profile"));
    buildSunSignPage();
    buildFashionPage();
    SSTab1->setCurrentIndex(0);

    buildOffers(at(0, 6840, 8295, 735), Qt::black, at(120, 100, 6105, 615), 0);
    cmdBack = button(Frame5, "cmdBack", QStringLiteral("&Back"), at(6840, 240, 1215, 375), verdana(8.25, true));

    // Tab reaches the tab control through its tab strip. The control itself stands just
    // before its strip, or it would send the focus back to the strip after the links
    // and Tab would never come round to Back.
    setTabChain({cmdBack, SSTab1, SSTab1->focusProxy(), txtFashionCharacteristics, txtSunSignPositiveTraits, txtSunSignNegativeTraits,
                 picSunSign, Label61, lblCobrand, lblFullBrand});
    cmdBack->setFocus();
}

void frmDisplay::buildSunSignPage()
{
    QWidget *page = Frame4;
    Label15 = heading(page, "Label15", "Your Sun Sign", at(682, 390, 1350, 195));
    lblSunSign = label(page, "lblSunSign", {}, at(795, 720, 1125, 240), verdana(9.75, true), colour::orange,
                       Transparent | Centred | SizedToText);
    Label23 = heading(page, "Label23", "Lucky Number", at(6285, 390, 1395, 195));
    lblSunSignNumber = sunSignValue(page, "lblSunSignNumber", at(6472, 743, 1020, 195));
    Label11 = heading(page, "Label11", "Element", at(960, 1560, 795, 195));
    lblSunSignElement = sunSignValue(page, "lblSunSignElement", at(847, 1920, 1020, 195));
    Label21 = heading(page, "Label21", "Lucky Day", at(6480, 1560, 1005, 195));
    lblSunSignDay = sunSignValue(page, "lblSunSignDay", at(6472, 1920, 1020, 195));
    Label27 = heading(page, "Label27", "Birthstone", at(855, 2640, 1005, 195));
    lblSunSignBirthStone = sunSignValue(page, "lblSunSignBirthStone", at(847, 3000, 1020, 195));
    Label17 = heading(page, "Label17", "Compatibility", at(6337, 2640, 1290, 195));
    lblSunSignCompatibility = sunSignValue(page, "lblSunSignCompatibility", at(6472, 3000, 1020, 195));
    picSunSign = pictureBox(page, "picSunSign", at(2640, 240, 3000, 3000));
    setBackground(picSunSign, colour::windowBackground);
    picSunSign->setAccessibleDescription(QStringLiteral("Your sun sign's picture"));
    Label13 = heading(page, "Label13", "Positive Traits", at(3480, 3400, 1410, 195));
    txtSunSignPositiveTraits = longText(page, "txtSunSignPositiveTraits", "Positive Traits", at(240, 3640, 7815, 900));
    Label10 = heading(page, "Label10", "Negative Traits", at(3480, 4560, 1500, 195));
    txtSunSignNegativeTraits = longText(page, "txtSunSignNegativeTraits", "Negative Traits", at(240, 4800, 7815, 975));
}

void frmDisplay::buildFashionPage()
{
    QWidget *page = Frame3;
    Label4 = heading(page, "Label4", "Boldness", at(3697, 120, 870, 195));
    lblBoldness = fashionValue(page, "lblBoldness", at(210, 360, 7845, 435));
    Label7 = heading(page, "Label7", "Colorful", at(3750, 840, 765, 195));
    lblColorful = fashionValue(page, "lblColorful", at(210, 1080, 7845, 435));
    Label8 = heading(page, "Label8", "Custom-made", at(3457, 1560, 1350, 195));
    lblCustomMade = fashionValue(page, "lblCustomMade", at(210, 1800, 7845, 435));
    Label6 = heading(page, "Label6", "Traditional", at(3600, 2280, 1065, 195));
    lblTraditional = fashionValue(page, "lblTraditional", at(210, 2520, 7845, 435));
    Label9 = heading(page, "Label9", "Frilly", at(3877, 3000, 510, 195));
    lblFrilly = fashionValue(page, "lblFrilly", at(210, 3240, 7845, 435));
    Label2 = heading(page, "Label2", "Preferred Colors", at(1320, 3720, 1620, 195));
    lblPreferredColors = fashionValue(page, "lblPreferredColors", at(240, 3960, 3840, 195));
    Label3 = heading(page, "Label3", "Undesirable Colors", at(5280, 3720, 1845, 195));
    lblUndesirableColors = fashionValue(page, "lblUndesirableColors", at(4200, 3960, 3840, 195));
    Label5 = heading(page, "Label5", "Fashion Characteristics", at(2985, 4320, 2295, 195));
    txtFashionCharacteristics = longText(page, "txtFashionCharacteristics", "Fashion Characteristics", at(210, 4560, 7845, 1215));
}

void frmDisplay::buildMenus()
{
    mnuFile = menuTitle(menuBar(), "mnuFile", QStringLiteral("&File"));
    mnuBack = menuEntry(mnuFile, "mnuBack", QStringLiteral("Back"));
    mnuExit = menuEntry(mnuFile, "mnuExit", QStringLiteral("E&xit"));

    buildHelpMenus("mnuSep1", "mnuSep2", QStringLiteral("Check for Software &Update"));
}

void frmDisplay::bindCommands()
{
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::back);
    connect(mnuBack, &QAction::triggered, this, [this] { cmdBack->click(); });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    bindSharedCommands();
}

void frmDisplay::back()
{
    Forms::show<frmMain>();
    close();
    Forms::hide<frmNagScreen>();
    Forms::hide<frmNagScreen2>();
}

void frmDisplay::onUnload()
{
    frmNagScreen2::takeOver();
}
