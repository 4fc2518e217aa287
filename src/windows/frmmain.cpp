#include "frmmain.h"

#include "entryrules.h"
#include "frmnagscreen2.h"
#include "keyfilter.h"
#include "reading/showreading.h"
#include "shell/forms.h"
#include "shell/messagebox.h"
#include "web/webcommands.h"
#include "shell/twips.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace controls;
using twips::at;

frmMain::frmMain() : MainForm("frmMain", {7455, 4455})
{
    setBackground(clientArea(), colour::maroon);
    setForeground(clientArea(), Qt::white);
    setFont(fontFor(verdana(8.25)));
    buildControls();
    buildMenus();
    bindCommands();
}

void frmMain::buildControls()
{
    QWidget *window = clientArea();
    const QColor face = colour::buttonFace;

    buildBanner(at(0, 0, 7455, 615), at(120, 120, 7200, 465));
    Label2 = label(window, "Label2",
                   QStringLiteral("VL Vestastra tells you more about the style and fashion adopted by "
                                  "people of different zodiac signs. Enter your date of birth and know "
                                  "how to make your fashion statement!"),
                   at(60, 720, 7335, 735), verdana(8.25, true), colour::darkRed,
                   Clickable | Centred | Wraps, face);

    fraName = frame(window, "fraName", QStringLiteral("Please Fill In The Below Details:"),
                    at(0, 1440, 7455, 2205), verdana(8.25, true), colour::maroon, Qt::white);
    Frame1 = frame(fraName, "Frame1", QStringLiteral("Name"), at(120, 240, 7245, 1005),
                   verdana(8.25, true), face, colour::maroon);
    const int nameCaption = Transparent | SizedToText;
    Label1 = label(Frame1, "Label1", QStringLiteral(" First Name"), at(1110, 240, 795, 195),
                   msSansSerif(8.25), colour::maroon, nameCaption);
    Label4 = label(Frame1, "Label4", QStringLiteral("Middle Name"), at(3150, 240, 1095, 195),
                   msSansSerif(8.25), colour::maroon, nameCaption);
    Label5 = label(Frame1, "Label5", QStringLiteral(" Last Name"), at(5310, 240, 810, 195),
                   msSansSerif(8.25), colour::maroon, nameCaption);
    txtFirstName = textBox(Frame1, "txtFirstName", {}, at(600, 450, 1905, 345));
    txtMiddleName = textBox(Frame1, "txtMiddleName", {}, at(2625, 450, 1965, 345));
    txtLastName = textBox(Frame1, "txtLastName", {}, at(4710, 450, 1935, 345));
    for (QLineEdit *box : {txtFirstName, txtMiddleName, txtLastName}) {
        // The window's regular font: the frame's bold one is for its caption only.
        box->setFont(font());
        setBackground(box, colour::maroon);
        setForeground(box, Qt::white);
    }

    fraBirthDay = frame(fraName, "fraBirthDay", QStringLiteral("Date Of Birth"), at(120, 1440, 4005, 645),
                        verdana(8.25, true), face, colour::maroon);
    cboMonth = dropDownList(fraBirthDay, "cboMonth", at(120, 240, 1455, 315));
    cboDate = dropDownList(fraBirthDay, "cboDate", at(1800, 240, 855, 315));
    cboYear = dropDownList(fraBirthDay, "cboYear", at(2880, 240, 975, 315));
    for (QComboBox *list : {cboMonth, cboDate, cboYear}) {
        list->setFont(fontFor(verdana(8.25)));
        setBackground(list, colour::maroon);
        setForeground(list, face);
    }
    cmdNext = button(fraName, "cmdNext", QStringLiteral("Get My Vestastra Reading"), at(4200, 1440, 3165, 645),
                     verdana(8.25, true));

    buildOffers(at(0, 3600, 7455, 855), Qt::white, at(240, 160, 6825, 615), Centred);

    // Below the visible client area: reached only from the keyboard.
    cmdExit = button(window, "cmdExit", QStringLiteral("E&xit"), at(5040, 5640, 2085, 315));
    setBackground(cmdExit, colour::lightBlue);
    setForeground(cmdExit, colour::buttonText);

    setTabChain({txtFirstName, txtMiddleName, txtLastName, cboMonth, cboDate, cboYear, cmdNext, cmdExit, Label61,
                 lblCobrand, lblFullBrand});
    // What a screen reader says for each box and list: the caption a sighted user reads beside it.
    txtFirstName->setAccessibleName(QStringLiteral("First Name"));
    txtMiddleName->setAccessibleName(QStringLiteral("Middle Name"));
    txtLastName->setAccessibleName(QStringLiteral("Last Name"));
    // On Linux a list is announced by its value; the description says which list it is.
    const std::pair<QComboBox *, QString> lists[] = {{cboMonth, QStringLiteral("Date Of Birth month")},
                                                     {cboDate, QStringLiteral("Date Of Birth day")},
                                                     {cboYear, QStringLiteral("Date Of Birth year")}};
    for (const auto &[list, name] : lists) {
        list->setAccessibleName(name);
        list->setAccessibleDescription(name);
    }
    txtFirstName->setFocus();
}

void frmMain::buildMenus()
{
    nuFile = menuTitle(menuBar(), "nuFile", QStringLiteral("&File"));
    mnuNext = menuEntry(nuFile, "mnuNext", QStringLiteral("Get My Vestastra Reading"));
    mnuExit = menuEntry(nuFile, "mnuExit", QStringLiteral("E&xit"));

    buildHelpMenus("mnuFileSep1", "mnuFileSep2", QStringLiteral("&Check for Software Update"));
}

void frmMain::bindCommands()
{
    for (QLineEdit *box : {txtFirstName, txtMiddleName, txtLastName}) {
        KeyFilter::install(box, [box](int code) {
            const int accepted = filterNameCharacter(code);
            if (accepted == 0)
                showMessage(box, QStringLiteral("Please Enter Only Alphabet"), MessageIcon::Information);
            return accepted;
        });
    }
    connect(cmdNext, &QPushButton::clicked, this, [] { ShowReading(); });
    connect(mnuNext, &QAction::triggered, this, [] { ShowReading(); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, [this] { cmdExit->click(); });
    bindSharedCommands();
    connect(Label2, &Label::clicked, this, OpenFullBrandPage);
}

void frmMain::onLoad()
{
    // Each list is filled in one go: item by item would notify its view every time.
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QLocale::c().standaloneMonthName(month);
    QStringList years;
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);
    cboDate->addItems(days);
    cboMonth->addItems(months);
    cboYear->addItems(years);
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::onUnload()
{
    frmNagScreen2::takeOver();
}

bool frmMain::ValidateEntries()
{
    const Entries entries{txtFirstName->text(), txtLastName->text(),   cboDate->currentText(),
                          cboMonth->currentText(), cboYear->currentText(), cboMonth->currentIndex(),
                          cboDate->currentIndex()};
    const std::optional<EntryProblem> problem = checkEntries(entries);
    if (!problem)
        return true;
    showMessage(this, problem->message, MessageIcon::Information);
    QWidget *focus = nullptr;
    switch (problem->focus) {
    case EntryField::FirstName: focus = txtFirstName; break;
    case EntryField::LastName: focus = txtLastName; break;
    case EntryField::Day: focus = cboDate; break;
    case EntryField::Month: focus = cboMonth; break;
    case EntryField::Year: focus = cboYear; break;
    case EntryField::None: break;
    }
    if (focus)
        focus->setFocus();
    return false;
}
