#include "inputwindow.h"

#include "accessibility.h"
#include "keyfilter.h"
#include "platform/messagebox.h"
#include "twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace controls;
using twips::at;

InputWindow::InputWindow(MessageBoxes &messageBoxes, QWidget *parent)
    : MenusAndOffersWindow("frmMain", {7455, 4455}, parent), messages(messageBoxes)
{
    setColours(clientArea(), colour::maroon, Qt::white);
    setFont(fontFor(verdana(8.25)));
    // Which window it is, for a screen reader: every window has the same title.
    setAccessibleDescription(QStringLiteral("Enter your name and date of birth"));
    buildControls();
    fillDateLists();
    buildMenus();
    bindCommands();
}

void InputWindow::buildControls()
{
    QWidget *window = clientArea();
    const QColor face = colour::buttonFace;

    buildBanner(at(0, 0, 7455, 615), at(120, 120, 7200, 465));
    introLabel = label(window, "Label2",
                       QStringLiteral("VL Vestastra tells you more about the style and fashion adopted by "
                                      "people of different zodiac signs. Enter your date of birth and know "
                                      "how to make your fashion statement!"),
                       at(60, 720, 7335, 735), verdana(8.25, true), colour::darkRed,
                       LabelFlag::Clickable | LabelFlag::Centred | LabelFlag::Wraps, face);

    QGroupBox *details = groupBox(window, "fraName", QStringLiteral("Please Fill In The Below Details:"),
                                  at(0, 1440, 7455, 2205), verdana(8.25), colour::maroon, Qt::white);
    QGroupBox *names = groupBox(details, "Frame1", QStringLiteral("Name"), at(120, 240, 7245, 1005),
                                verdana(8.25), face, colour::maroon);
    const LabelFlags nameCaption = LabelFlag::Transparent | LabelFlag::SizedToText;
    label(names, "Label1", QStringLiteral(" First Name"), at(1110, 240, 795, 195),
          msSansSerif(8.25), colour::maroon, nameCaption);
    label(names, "Label4", QStringLiteral("Middle Name"), at(3150, 240, 1095, 195),
          msSansSerif(8.25), colour::maroon, nameCaption);
    label(names, "Label5", QStringLiteral(" Last Name"), at(5310, 240, 810, 195),
          msSansSerif(8.25), colour::maroon, nameCaption);
    firstNameEdit = textBox(names, "txtFirstName", {}, at(600, 450, 1905, 345));
    middleNameEdit = textBox(names, "txtMiddleName", {}, at(2625, 450, 1965, 345));
    lastNameEdit = textBox(names, "txtLastName", {}, at(4710, 450, 1935, 345));
    for (QLineEdit *box : {firstNameEdit, middleNameEdit, lastNameEdit})
        setColours(box, colour::maroon, Qt::white);

    QGroupBox *birthDate = groupBox(details, "fraBirthDay", QStringLiteral("Date Of Birth"),
                                    at(120, 1440, 4005, 645), verdana(8.25), face, colour::maroon);
    monthList = dropDownList(birthDate, "cboMonth", at(120, 240, 1455, 315));
    dayList = dropDownList(birthDate, "cboDate", at(1800, 240, 855, 315));
    yearList = dropDownList(birthDate, "cboYear", at(2880, 240, 975, 315));
    for (QComboBox *list : {monthList, dayList, yearList})
        setColours(list, colour::maroon, face);
    readingButton = button(details, "cmdNext", QStringLiteral("Get My Vestastra Reading"),
                           at(4200, 1440, 3165, 645), verdana(8.25, true));

    buildOffers(at(0, 3600, 7455, 855), Qt::white, at(240, 160, 6825, 615), LabelFlag::Centred);

    // Below the visible client area: reached only from the keyboard.
    exitButton = button(window, "cmdExit", QStringLiteral("E&xit"), at(5040, 5640, 2085, 315));
    setColours(exitButton, colour::lightBlue, colour::buttonText);

    setTabChain({firstNameEdit, middleNameEdit, lastNameEdit, monthList, dayList, yearList, readingButton,
                 exitButton, forumLink, coBrandOffer, fullBrandOffer});
    // What a screen reader says for each box and list: the caption a sighted user reads beside it.
    firstNameEdit->setAccessibleName(QStringLiteral("First Name"));
    middleNameEdit->setAccessibleName(QStringLiteral("Middle Name"));
    lastNameEdit->setAccessibleName(QStringLiteral("Last Name"));
    // On Linux a screen reader names a list by the label that names it, not by an
    // accessible name; the design shows none beside the lists, so each has one that
    // only assistive tools read.
    const std::pair<QComboBox *, QString> lists[] = {{monthList, QStringLiteral("Month")},
                                                     {dayList, QStringLiteral("Day")},
                                                     {yearList, QStringLiteral("Year")}};
    for (const auto &[list, name] : lists) {
        auto *caption = new QLabel(name, birthDate);
        caption->setBuddy(list);
        caption->hide();
        list->setAccessibleName(name);
        accessibility::reportCurrentItem(list);
    }
    firstNameEdit->setFocus();
}

void InputWindow::buildMenus()
{
    QMenu *file = menuTitle(menuBar(), "nuFile", QStringLiteral("&File"));
    readingEntry = menuEntry(file, "mnuNext", QStringLiteral("Get My Vestastra Reading"));
    exitEntry = menuEntry(file, "mnuExit", QStringLiteral("E&xit"));

    buildHelpMenus("mnuFileSep1", "mnuFileSep2", QStringLiteral("&Check for Software Update"));
}

void InputWindow::bindCommands()
{
    for (QLineEdit *box : {firstNameEdit, middleNameEdit, lastNameEdit}) {
        KeyFilter::install(box, [this, box](int code) {
            const int accepted = filterNameCharacter(code);
            if (accepted == 0)
                messages.showMessage(box, QStringLiteral("Please Enter Only Alphabet"), MessageIcon::Information);
            return accepted;
        });
    }
    connect(readingButton, &QPushButton::clicked, this, &InputWindow::requestReading);
    // Queued, as are all menu entries that may open a modal box: a screen reader that
    // chooses the entry through the accessibility bus gets its answer at once, not
    // once the box has closed.
    connect(readingEntry, &QAction::triggered, this, &InputWindow::requestReading, Qt::QueuedConnection);
    // Exit closes the window, as its close box does: either way the user asks to leave.
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(exitEntry, &QAction::triggered, this, [this] { exitButton->click(); });
    connect(introLabel, &Label::clicked, this, [this] { emit pageRequested(WebPage::FullBrandPage); });
}

void InputWindow::fillDateLists()
{
    // Each list is filled in one go: item by item would notify its view every time.
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QLocale::c().standaloneMonthName(month);
    QStringList years;
    for (int year = firstListedYear; year <= lastListedYear; ++year)
        years << QString::number(year);
    dayList->addItems(days);
    monthList->addItems(months);
    yearList->addItems(years);
    dayList->setCurrentIndex(0);
    monthList->setCurrentIndex(0);
    yearList->setCurrentIndex(0);
}

Entries InputWindow::entries() const
{
    return {firstNameEdit->text(), lastNameEdit->text(),
            BirthDate{monthList->currentIndex(), dayList->currentIndex(), yearList->currentIndex()}};
}

void InputWindow::requestReading()
{
    const Entries current = entries();
    if (const std::optional<EntryProblem> problem = checkEntries(current))
        showProblem(*problem);
    else
        emit readingRequested(current);
}

void InputWindow::showProblem(const EntryProblem &problem)
{
    messages.showMessage(this, problem.message, MessageIcon::Information);
    QWidget *focus = nullptr;
    switch (problem.focus) {
    case EntryField::FirstName: focus = firstNameEdit; break;
    case EntryField::LastName: focus = lastNameEdit; break;
    case EntryField::Day: focus = dayList; break;
    case EntryField::Month: focus = monthList; break;
    case EntryField::Year: focus = yearList; break;
    case EntryField::None: break;
    }
    if (focus)
        focus->setFocus();
}
