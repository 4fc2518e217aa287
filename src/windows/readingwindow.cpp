#include "readingwindow.h"

#include "accessibility.h"
#include "core/signcatalogue.h"
#include "twips.h"

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

constexpr LabelFlags headingFlags = LabelFlag::Transparent | LabelFlag::SizedToText;
constexpr Style headingStyle = verdana(8.25, true, true);
constexpr LabelFlags scaleFlags = LabelFlag::Centred | LabelFlag::Wraps;

Label *heading(QWidget *page, const char *name, const char *caption, QRect place)
{
    return label(page, name, QLatin1String(caption), place, headingStyle, Qt::white, headingFlags);
}

Label *sunSignValue(QWidget *page, const char *name, QRect place)
{
    return label(page, name, {}, place, verdana(8.25, true), colour::buttonFace,
                 LabelFlag::Transparent | LabelFlag::Centred | LabelFlag::SizedToText);
}

Label *fashionValue(QWidget *page, const char *name, QRect place)
{
    return label(page, name, {}, place, verdana(8.25, true), colour::maroon, scaleFlags, colour::buttonFace);
}

QPlainTextEdit *longText(QWidget *page, const char *name, const char *heading, QRect place)
{
    QPlainTextEdit *box = readingBox(page, name, place);
    box->setAccessibleName(QLatin1String(heading));
    setColours(box, colour::maroon, colour::buttonFace);
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

ReadingWindow::ReadingWindow(QWidget *parent) : MenusAndOffersWindow("frmDisplay", {8295, 7575}, parent)
{
    setColours(clientArea(), colour::darkGrey, Qt::black);
    setFont(fontFor(verdana(8.25)));
    buildControls();
    buildMenus();
}

void ReadingWindow::buildControls()
{
    QWidget *window = clientArea();

    buildBanner(at(0, 0, 8295, 615), at(180, 120, 7920, 465));

    tabs = new QTabWidget(window);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(at(0, 600, 8295, 6255));
    tabs->setDocumentMode(true);
    // The tab strip takes no colours of the window around it: its captions and faces
    // are wholly the desktop's, readable in any colour scheme.
    QPalette desktop = QApplication::palette(tabs);
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    tabs->setPalette(desktop);
    buildSunSignPage(pageFrame(tabs, "Frame4", QStringLiteral("Sun Sign Profile")));
    buildFashionPage(pageFrame(tabs, "Frame3", QStringLiteral("Fashion Profile")));
    tabs->setCurrentIndex(0);
    accessibility::switchTabsFromWindow(tabs);
    accessibility::refreshPagesAsShown(tabs);

    buildOffers(at(0, 6840, 8295, 735), Qt::black, at(120, 100, 6105, 615), {});
    backButton = button(offerPanel, "cmdBack", QStringLiteral("&Back"), at(6840, 240, 1215, 375), verdana(8.25, true));

    // Tab reaches the tab control through its tab strip. The control itself stands just
    // before its strip, or it would send the focus back to the strip after the links
    // and Tab would never come round to Back.
    setTabChain({backButton, tabs, tabs->focusProxy(), fashionCharacteristics, positiveTraits, negativeTraits,
                 signPicture, forumLink, coBrandOffer, fullBrandOffer});
    backButton->setFocus();
}

void ReadingWindow::buildSunSignPage(QWidget *page)
{
    heading(page, "Label15", "Your Sun Sign", at(682, 390, 1350, 195));
    signName = label(page, "lblSunSign", {}, at(795, 720, 1125, 240), verdana(9.75, true), colour::orange,
                     LabelFlag::Transparent | LabelFlag::Centred | LabelFlag::SizedToText);
    heading(page, "Label23", "Lucky Number", at(6285, 390, 1395, 195));
    luckyNumbers = sunSignValue(page, "lblSunSignNumber", at(6472, 743, 1020, 195));
    heading(page, "Label11", "Element", at(960, 1560, 795, 195));
    element = sunSignValue(page, "lblSunSignElement", at(847, 1920, 1020, 195));
    heading(page, "Label21", "Lucky Day", at(6480, 1560, 1005, 195));
    luckyDay = sunSignValue(page, "lblSunSignDay", at(6472, 1920, 1020, 195));
    heading(page, "Label27", "Birthstone", at(855, 2640, 1005, 195));
    birthStone = sunSignValue(page, "lblSunSignBirthStone", at(847, 3000, 1020, 195));
    heading(page, "Label17", "Compatibility", at(6337, 2640, 1290, 195));
    compatibility = sunSignValue(page, "lblSunSignCompatibility", at(6472, 3000, 1020, 195));
    signPicture = pictureBox(page, "picSunSign", at(2640, 240, 3000, 3000));
    setBackground(signPicture, colour::windowBackground);
    signPicture->setAccessibleDescription(QStringLiteral("Your sun sign's picture"));
    heading(page, "Label13", "Positive Traits", at(3480, 3400, 1410, 195));
    positiveTraits = longText(page, "txtSunSignPositiveTraits", "Positive Traits", at(240, 3640, 7815, 900));
    heading(page, "Label10", "Negative Traits", at(3480, 4560, 1500, 195));
    negativeTraits = longText(page, "txtSunSignNegativeTraits", "Negative Traits", at(240, 4800, 7815, 975));
}

void ReadingWindow::buildFashionPage(QWidget *page)
{
    heading(page, "Label4", "Boldness", at(3697, 120, 870, 195));
    boldness = fashionValue(page, "lblBoldness", at(210, 360, 7845, 435));
    heading(page, "Label7", "Colorful", at(3750, 840, 765, 195));
    colorful = fashionValue(page, "lblColorful", at(210, 1080, 7845, 435));
    heading(page, "Label8", "Custom-made", at(3457, 1560, 1350, 195));
    customMade = fashionValue(page, "lblCustomMade", at(210, 1800, 7845, 435));
    heading(page, "Label6", "Traditional", at(3600, 2280, 1065, 195));
    traditional = fashionValue(page, "lblTraditional", at(210, 2520, 7845, 435));
    heading(page, "Label9", "Frilly", at(3877, 3000, 510, 195));
    frilly = fashionValue(page, "lblFrilly", at(210, 3240, 7845, 435));
    heading(page, "Label2", "Preferred Colors", at(1320, 3720, 1620, 195));
    preferredColors = fashionValue(page, "lblPreferredColors", at(240, 3960, 3840, 195));
    heading(page, "Label3", "Undesirable Colors", at(5280, 3720, 1845, 195));
    undesirableColors = fashionValue(page, "lblUndesirableColors", at(4200, 3960, 3840, 195));
    heading(page, "Label5", "Fashion Characteristics", at(2985, 4320, 2295, 195));
    fashionCharacteristics =
        longText(page, "txtFashionCharacteristics", "Fashion Characteristics", at(210, 4560, 7845, 1215));
}

void ReadingWindow::buildMenus()
{
    QMenu *file = menuTitle(menuBar(), "mnuFile", QStringLiteral("&File"));
    QAction *backEntry = menuEntry(file, "mnuBack", QStringLiteral("Back"));
    QAction *exitEntry = menuEntry(file, "mnuExit", QStringLiteral("E&xit"));
    buildHelpMenus("mnuSep1", "mnuSep2", QStringLiteral("Check for Software &Update"));

    connect(backButton, &QPushButton::clicked, this, &ReadingWindow::backRequested);
    connect(backEntry, &QAction::triggered, this, [this] { backButton->click(); });
    // Exit closes the window, as its close box does: either way the user asks to leave.
    connect(exitEntry, &QAction::triggered, this, &QWidget::close);
}

void ReadingWindow::showReading(const SignProfile &sign, const QPixmap &picture)
{
    signName->setText(sign.name);
    // Which window it is and whose reading, for a screen reader, as the window opens.
    setAccessibleDescription(QStringLiteral("Your reading: ") + sign.name);
    element->setText(sign.element);
    luckyNumbers->setText(sign.luckyNumbers);
    luckyDay->setText(sign.luckyDay);
    compatibility->setText(sign.compatibility);
    birthStone->setText(sign.birthStone);
    positiveTraits->setPlainText(sign.positiveTraits);
    negativeTraits->setPlainText(sign.negativeTraits);
    signPicture->setPixmap(picture);
    signPicture->setAccessibleName(sign.name);
    boldness->setText(sign.boldness);
    traditional->setText(sign.traditional);
    colorful->setText(sign.colorful);
    customMade->setText(sign.customMade);
    frilly->setText(sign.frilly);
    preferredColors->setText(sign.preferredColors);
    undesirableColors->setText(sign.undesirableColors);
    fashionCharacteristics->setPlainText(sign.fashionCharacteristics);
}
