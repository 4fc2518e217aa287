#include "core/signcatalogue.h"
#include "support/testsupport.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QComboBox>
#include <QSet>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <vector>

namespace {

QString caption(const QObject *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *menu = qobject_cast<const QMenu *>(control))
        return menu->title();
    if (auto *entry = qobject_cast<const QAction *>(control))
        return entry->isSeparator() ? QStringLiteral("-") : entry->text();
    return QStringLiteral("<no caption>");
}

// The next control after `from` that Tab can reach, walking the focus chain.
QWidget *nextTabStop(QWidget *from)
{
    for (QWidget *next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && !next->isHidden())
            return next;
    }
    return from;
}

// The controls of a window that Tab can reach, as a user sees them.
QList<QWidget *> tabStops(QWidget &window)
{
    QList<QWidget *> stops;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && !control->focusProxy() && control->isVisibleTo(&window)
            && control->isEnabled())
            stops.append(control);
    }
    return stops;
}

// Everything the user could have typed into, to see that walking changed nothing.
QStringList typedTexts(QWidget &window)
{
    QStringList texts;
    for (auto *box : window.findChildren<QLineEdit *>())
        texts << box->text();
    for (auto *box : window.findChildren<QPlainTextEdit *>())
        texts << box->toPlainText();
    return texts;
}

void activate(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Object names, as the design lists them one after another.
QStringList names(const char *spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '));
}

// How a control's place is held to the design's. A label sized to its text keeps the
// design's top and left edge, or its centre when centred: the design's size is only
// what it was drawn at. A tab's page fills its tab control, full width, below the tab
// strip, whose height is the style's. A line has no height: it is drawn as a sunken
// groove 2 pixels high, centred on it.
enum Fit { Exact, Sized, SizedCentred, Page, Line };

struct Place
{
    const char *control;
    int left, top, width, height; // in twips within the container
    Fit fit = Exact;
};

// The design's layout, container by container; a window's own row is its client area.
struct Container
{
    const char *window, *name;
    std::vector<Place> places;
};

const Container layout[] = {
    {"frmMain", "frmMain", {
        {"frmMain", 0, 0, 7455, 4455}, {"Frame2", 0, 0, 7455, 615}, {"Label2", 60, 720, 7335, 735},
        {"fraName", 0, 1440, 7455, 2205}, {"Frame5", 0, 3600, 7455, 855}, {"cmdExit", 5040, 5640, 2085, 315}}},
    {"frmMain", "Frame2", {{"Label61", 120, 120, 7200, 465}}},
    {"frmMain", "fraName", {
        {"Frame1", 120, 240, 7245, 1005}, {"fraBirthDay", 120, 1440, 4005, 645}, {"cmdNext", 4200, 1440, 3165, 645}}},
    {"frmMain", "Frame1", {
        {"Label1", 1110, 240, 795, 195, Sized}, {"Label4", 3150, 240, 1095, 195, Sized},
        {"Label5", 5310, 240, 810, 195, Sized}, {"txtFirstName", 600, 450, 1905, 345},
        {"txtMiddleName", 2625, 450, 1965, 345}, {"txtLastName", 4710, 450, 1935, 345}}},
    {"frmMain", "fraBirthDay", {
        {"cboMonth", 120, 240, 1455, 315}, {"cboDate", 1800, 240, 855, 315}, {"cboYear", 2880, 240, 975, 315}}},
    {"frmMain", "Frame5", {{"lblCobrand", 240, 160, 6825, 615}, {"lblFullBrand", 240, 160, 6825, 615}}},

    {"frmDisplay", "frmDisplay", {
        {"frmDisplay", 0, 0, 8295, 7575}, {"Frame2", 0, 0, 8295, 615}, {"SSTab1", 0, 600, 8295, 6255},
        {"Frame5", 0, 6840, 8295, 735}}},
    {"frmDisplay", "Frame2", {{"Label61", 180, 120, 7920, 465}}},
    {"frmDisplay", "SSTab1", {{"Frame4", 0, 360, 8280, 5895, Page}, {"Frame3", 0, 360, 8280, 5895, Page}}},
    {"frmDisplay", "Frame4", {
        {"Label15", 682, 390, 1350, 195, Sized}, {"lblSunSign", 795, 720, 1125, 240, SizedCentred},
        {"Label23", 6285, 390, 1395, 195, Sized}, {"lblSunSignNumber", 6472, 743, 1020, 195, SizedCentred},
        {"Label11", 960, 1560, 795, 195, Sized}, {"lblSunSignElement", 847, 1920, 1020, 195, SizedCentred},
        {"Label21", 6480, 1560, 1005, 195, Sized}, {"lblSunSignDay", 6472, 1920, 1020, 195, SizedCentred},
        {"Label27", 855, 2640, 1005, 195, Sized}, {"lblSunSignBirthStone", 847, 3000, 1020, 195, SizedCentred},
        {"Label17", 6337, 2640, 1290, 195, Sized}, {"lblSunSignCompatibility", 6472, 3000, 1020, 195, SizedCentred},
        {"picSunSign", 2640, 240, 3000, 3000}, {"Label13", 3480, 3400, 1410, 195, Sized},
        {"txtSunSignPositiveTraits", 240, 3640, 7815, 900}, {"Label10", 3480, 4560, 1500, 195, Sized},
        {"txtSunSignNegativeTraits", 240, 4800, 7815, 975}}},
    {"frmDisplay", "Frame3", {
        {"Label4", 3697, 120, 870, 195, Sized}, {"lblBoldness", 210, 360, 7845, 435},
        {"Label7", 3750, 840, 765, 195, Sized}, {"lblColorful", 210, 1080, 7845, 435},
        {"Label8", 3457, 1560, 1350, 195, Sized}, {"lblCustomMade", 210, 1800, 7845, 435},
        {"Label6", 3600, 2280, 1065, 195, Sized}, {"lblTraditional", 210, 2520, 7845, 435},
        {"Label9", 3877, 3000, 510, 195, Sized}, {"lblFrilly", 210, 3240, 7845, 435},
        {"Label2", 1320, 3720, 1620, 195, Sized}, {"lblPreferredColors", 240, 3960, 3840, 195},
        {"Label3", 5280, 3720, 1845, 195, Sized}, {"lblUndesirableColors", 4200, 3960, 3840, 195},
        {"Label5", 2985, 4320, 2295, 195, Sized}, {"txtFashionCharacteristics", 210, 4560, 7845, 1215}}},
    {"frmDisplay", "Frame5", {
        {"cmdBack", 6840, 240, 1215, 375}, {"lblFullBrand", 120, 100, 6105, 615}, {"lblCobrand", 120, 100, 6105, 615}}},

    {"frmAbout", "frmAbout", {
        {"frmAbout", 0, 0, 6825, 3870}, {"Picture1", 120, 120, 480, 480}, {"Label2", 840, 240, 2895, 240, Sized},
        {"Label1", 360, 960, 6375, 795}, {"lblHomePage", 2640, 1920, 4050, 195, Sized},
        {"Label3", 360, 2280, 6255, 615}, {"lblCoBrand", 4320, 2880, 2355, 195, Sized},
        {"Line1", -60, 3240, 6900, 0, Line}, {"cmdOK", 5400, 3360, 1260, 345}}},

    {"frmNagScreen2", "frmNagScreen2", {
        {"frmNagScreen2", 0, 0, 11115, 4725}, {"Picture1", 360, 120, 540, 540}, {"Label1", 1080, 240, 4275, 435, Sized},
        {"Label2", 120, 840, 6975, 1095}, {"Check1", 30, 2040, 7185, 555}, {"cmdClose", 6000, 2760, 1245, 375},
        {"Frame2", 120, 3240, 7065, 1455}, {"Frame6", 7320, 120, 3735, 4575}}},
    {"frmNagScreen2", "Frame2", {
        {"txtName", 85, 360, 3375, 285}, {"txtEmail", 3600, 360, 3375, 285}, {"txtFriendName", 85, 720, 3375, 285},
        {"txtFriendEmail", 3600, 720, 3375, 285}, {"cmdSubmit", 1920, 1080, 3375, 285},
        {"txtMessage", 4800, 3600, 1815, 495}}},
    {"frmNagScreen2", "Frame6", {{"Label3", 120, 360, 3495, 3855}, {"lblGoToHome", 75, 4250, 3585, 210, Sized}}},
};

QRect twips(const Place &place)
{
    return {place.left, place.top, place.width, place.height};
}

// 15 twips to the device-independent pixel, rounded to the nearest.
QRect pixels(const Place &place)
{
    auto px = [](int twips) { return qRound(twips / 15.0); };
    return {px(place.left), px(place.top), px(place.width), px(place.height)};
}

// The design's place of a window's control.
QRect designOf(const char *window, const char *name)
{
    for (const Container &in : layout) {
        for (const Place &place : in.places) {
            if (!qstrcmp(in.window, window) && !qstrcmp(place.control, name))
                return twips(place);
        }
    }
    return {};
}

// A control of the layout; the window's own name stands for its client area.
QWidget *widgetNamed(QWidget &window, const char *name)
{
    return window.objectName() == QLatin1String(name) ? clientAreaOf(window) : control<QWidget>(window, name);
}

// Where a control stands within its container, however deep in it.
QRect placeIn(const QWidget *container, const QWidget *control)
{
    return {control->mapTo(container, QPoint()), control->size()};
}

} // namespace

class TestLayouts : public WindowTest
{
    Q_OBJECT

    // The window as the user sees it, every tab's page laid out: the reading window
    // with the sign's reading, the exit screen with that support message.
    QWidget &showWindow(const QString &form, int variant = 0)
    {
        platform->random.draws = {(variant + 0.5f) / 4}; // the exit screen's message is int(4 * draw)
        QWidget &window = windowNamed(form);
        if (auto *reading = qobject_cast<ReadingWindow *>(&window))
            reading->showReading(signCatalogue()[variant], {});
        window.show();
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>()) {
            for (int page = tabs->count() - 1; page >= 0; --page)
                tabs->setCurrentIndex(page);
        }
        return window;
    }

private Q_SLOTS:

    void captions_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        auto row = [](const char *form, const char *control, const QString &text) {
            QTest::addRow("%s.%s", form, control) << QString::fromLatin1(form) << QString::fromLatin1(control) << text;
        };
        const QString host = design::mainHost();
        const char *coBrand = "Co-brand this software with your web site's name and link! See the online help "
                              "for details, or click here for more.";
        const char *fullBrand = "Home Business Opportunity. Start your own Internet business and make money online. "
                                "Get this software fully branded for your website. Click here for more details.";
        row("frmMain", "Label2", "VL Vestastra tells you more about the style and fashion adopted by people of "
                                 "different zodiac signs. Enter your date of birth and know how to make your "
                                 "fashion statement!");
        row("frmMain", "fraName", "Please Fill In The Below Details:");
        row("frmMain", "Frame1", "Name");
        row("frmMain", "Label1", " First Name");
        row("frmMain", "Label4", "Middle Name");
        row("frmMain", "Label5", " Last Name");
        row("frmMain", "txtFirstName", "");
        row("frmMain", "fraBirthDay", "Date Of Birth");
        row("frmMain", "cmdNext", "Get My Vestastra Reading");
        row("frmMain", "cmdExit", "E&xit");
        row("frmMain", "lblFullBrand", fullBrand);
        row("frmMain", "Label61", QStringLiteral("Visit our free astrology forum at ") + host);
        row("frmMain", "lblCobrand", coBrand);
        row("frmMain", "nuFile", "&File");
        row("frmMain", "mnuNext", "Get My Vestastra Reading");
        row("frmMain", "mnuExit", "E&xit");
        row("frmMain", "mnuHelp", "&Help");
        row("frmMain", "mnuOnline", "&Online Help");
        row("frmMain", "mnuVisit", "&Visit Us Online");
        row("frmMain", "mnuFileSep1", "-");
        row("frmMain", "mnuUpdate", "&Check for Software Update");
        row("frmMain", "mnuFileSep2", "-");
        row("frmMain", "mnuAbout", "&About Software");
        row("frmMain", "mnuDonate", "&Donate");
        row("frmMain", "mnumakemoney", "Make Money &Online");

        row("frmDisplay", "mnuFile", "&File");
        row("frmDisplay", "mnuBack", "Back");
        row("frmDisplay", "mnuExit", "E&xit");
        row("frmDisplay", "mnuSep1", "-");
        row("frmDisplay", "mnuUpdate", "Check for Software &Update");
        row("frmDisplay", "mnuSep2", "-");
        row("frmDisplay", "mnuAbout", "&About Software");
        row("frmDisplay", "mnuDonate", "&Donate");
        row("frmDisplay", "mnumakemoney", "Make Money &Online");
        row("frmDisplay", "cmdBack", "&Back");
        row("frmDisplay", "lblFullBrand", fullBrand);
        row("frmDisplay", "Label61", QStringLiteral("Visit our free astrology forum at ") + host);
        row("frmDisplay", "lblCobrand", coBrand);
        const char *headings[][2] = {
            {"Label15", "Your Sun Sign"}, {"Label23", "Lucky Number"}, {"Label11", "Element"},
            {"Label21", "Lucky Day"}, {"Label27", "Birthstone"}, {"Label17", "Compatibility"},
            {"Label13", "Positive Traits"}, {"Label10", "Negative Traits"}, {"Label4", "Boldness"},
            {"Label7", "Colorful"}, {"Label8", "Custom-made"}, {"Label6", "Traditional"}, {"Label9", "Frilly"},
            {"Label2", "Preferred Colors"}, {"Label3", "Undesirable Colors"}, {"Label5", "Fashion Characteristics"},
        };
        for (const auto &heading : headings)
            row("frmDisplay", heading[0], heading[1]);
        row("frmDisplay", "lblSunSign", "");

        row("frmAbout", "Label2", design::titleWithVersion());
        row("frmAbout", "Label1", "VL Vestastra is a Western zodiac based software that describes the fashion "
                                  "profiles of the different sun signs. This tells your more about your sun sign "
                                  "profile and fashion profile.");
        row("frmAbout", "Label3", "Home Business Opportunity. Start your own Internet business and make money "
                                  "online. Get this software fully branded for your website.");
        row("frmAbout", "lblCoBrand", "Click here for more details.");
        row("frmAbout", "lblHomePage", QStringLiteral("Visit our home page at ") + host);
        row("frmAbout", "cmdOK", "OK");

        row("frmNagScreen2", "Label1", design::titleWithVersion());
        row("frmNagScreen2", "cmdClose", "E&xit");
        row("frmNagScreen2", "Frame2", "Refer A Friend");
        row("frmNagScreen2", "txtName", "Your Name");
        row("frmNagScreen2", "txtEmail", "Your Email Address");
        row("frmNagScreen2", "txtFriendName", "Friend's Name");
        row("frmNagScreen2", "txtFriendEmail", "Friend's Email Address");
        row("frmNagScreen2", "cmdSubmit", "Refer A Friend &Now");
        row("frmNagScreen2", "Check1", QStringLiteral("Yes! Take me to %1 now").arg(host));
        row("frmNagScreen2", "Frame6", "Download More Free Software");
        row("frmNagScreen2", "Label3", "We make many more free programs for astrology, psychic readings, tarot, "
                                       "numerology and the occult, each one as simple to use as this one.\n\n"
                                       "Try them for yourself, and share them with your friends and family!");
        row("frmNagScreen2", "lblGoToHome", "See our free software catalogue");
    }

    void captions()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, text);
        const QObject *found = windowNamed(form).findChild<QObject *>(control);
        QVERIFY2(found, qPrintable(control));
        QCOMPARE(caption(found), text);
    }


    void menuBarsInOrder_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("input window") << QStringLiteral("frmMain") << names("nuFile mnuHelp mnuDonate mnumakemoney");
        QTest::newRow("reading window") << QStringLiteral("frmDisplay")
                                        << names("mnuFile mnuHelp mnuDonate mnumakemoney");
    }

    void menuBarsInOrder()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, entries);
        QStringList shown;
        for (QAction *entry : windowNamed(form).findChild<QMenuBar *>()->actions())
            shown << (entry->menu() ? entry->menu()->objectName() : entry->objectName());
        QCOMPARE(shown, entries);
        const QMenu *help = windowNamed(form).findChild<QMenu *>(QStringLiteral("mnuHelp"));
        QStringList helpEntries;
        for (QAction *entry : help->actions())
            helpEntries << entry->objectName();
        QCOMPARE(helpEntries.size(), 6);
        QVERIFY(help->actions().at(2)->isSeparator());
        QVERIFY(help->actions().at(4)->isSeparator());
    }

    // The client area's size is held to the design with the other places.
    void everyWindowIsCaptionedAndFixed_data() { everyWindow_data(); }

    void everyWindowIsCaptionedAndFixed()
    {
        QFETCH(QString, form);
        QWidget &shown = windowNamed(form);
        shown.show();
        QCOMPARE(shown.objectName(), form);
        QCOMPARE(shown.windowTitle(), design::titleWithVersion());
        QCOMPARE(shown.minimumSize(), shown.maximumSize());
        QVERIFY(shown.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    // Every control stands where the design's layout puts it, its twips turned into
    // pixels. It overlaps a neighbour, or reaches out of its container, only where the
    // design puts it so, as the two offers that share one place, or the input window's
    // Exit and the exit screen's message, out of sight.
    void placesFollowTheDesign_data()
    {
        QTest::addColumn<int>("container");
        QTest::addColumn<int>("place");
        for (int c = 0; c < int(std::size(layout)); ++c) {
            for (int p = 0; p < int(layout[c].places.size()); ++p)
                QTest::addRow("%s/%s", layout[c].window, layout[c].places[p].control) << c << p;
        }
    }

    void placesFollowTheDesign()
    {
        QFETCH(int, container);
        QFETCH(int, place);
        const Container &in = layout[container];
        const Place &design = in.places[place];
        QWidget &window = showWindow(QLatin1String(in.window));
        QWidget *outer = widgetNamed(window, in.name);
        QWidget *placed = widgetNamed(window, design.control);
        QVERIFY(outer == placed || outer->isAncestorOf(placed));
        const QRect shown = placeIn(outer, placed);
        const QRect expected = pixels(design);
        switch (design.fit) {
        case Exact:
            QCOMPARE(shown, expected);
            break;
        case Sized:
            QCOMPARE(shown.topLeft(), expected.topLeft());
            break;
        case SizedCentred:
            QCOMPARE(shown.top(), expected.top());
            // In whole pixels the centre may lie half a pixel to either side.
            QVERIFY(qAbs(2 * shown.left() + shown.width() - 2 * expected.left() - expected.width()) <= 1);
            break;
        case Page: {
            const int strip = static_cast<QTabWidget *>(outer)->tabBar()->geometry().bottom() + 1;
            QCOMPARE(shown, outer->rect().adjusted(expected.left(), strip, 0, 0));
            break;
        }
        case Line:
            QCOMPARE(shown.left(), expected.left());
            QCOMPARE(shown.width(), expected.width());
            QCOMPARE(2 * shown.top() + shown.height(), 2 * expected.top());
            break;
        }
        for (const Place &other : in.places) {
            if (&other != &design && !twips(other).intersects(twips(design))) {
                QVERIFY2(!shown.intersects(placeIn(outer, widgetNamed(window, other.control))),
                         qPrintable(QLatin1String("overlaps ") + QLatin1String(other.control)));
            }
        }
        if (QRect(QPoint(), designOf(in.window, in.name).size()).contains(twips(design)))
            QVERIFY(outer->rect().contains(shown));
    }

    // Each label's text, laid out by its font and word wrap, starts at the label's top
    // and lies inside the label and the window: with every sign's reading, and every
    // support message of the exit screen.
    void captionsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("variant");
        QTest::newRow("input") << QStringLiteral("frmMain") << 0;
        QTest::newRow("about") << QStringLiteral("frmAbout") << 0;
        for (int sign = 0; sign < 12; ++sign)
            QTest::addRow("reading, %s", signCatalogue()[sign].name.data()) << QStringLiteral("frmDisplay") << sign;
        for (int message = 0; message < 4; ++message)
            QTest::addRow("exit, message %d", message) << QStringLiteral("frmNagScreen2") << message;
    }

    void captionsFitTheirLabels()
    {
        QFETCH(QString, form);
        QFETCH(int, variant);
        QWidget &window = showWindow(form, variant);
        for (const Container &in : layout) {
            if (form != QLatin1String(in.window))
                continue;
            for (const Place &place : in.places) {
                auto *label = qobject_cast<QLabel *>(widgetNamed(window, place.control));
                if (!label || label->text().isEmpty())
                    continue; // not a label, or a picture box
                QVERIFY2(label->alignment() & Qt::AlignTop, place.control);
                const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
                const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
                QVERIFY2(label->contentsRect().contains(text), place.control);
                const QRect inWindow = text.translated(label->mapTo(clientAreaOf(window), QPoint()));
                QVERIFY2(clientAreaOf(window)->rect().contains(inWindow), place.control);
            }
        }
    }

    // The first control has the focus when the window opens; Tab goes on in the design's order.
    void tabOrders_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("input") << QStringLiteral("frmMain")
                               << names("txtFirstName txtMiddleName txtLastName cboMonth cboDate cboYear cmdNext "
                                        "cmdExit");
        QTest::newRow("reading") << QStringLiteral("frmDisplay")
                                 << names("cmdBack SSTab1 txtFashionCharacteristics txtSunSignPositiveTraits "
                                          "txtSunSignNegativeTraits picSunSign");
        // The links come last, and Tab goes round to OK with no other stop.
        QTest::newRow("about") << QStringLiteral("frmAbout") << names("cmdOK lblHomePage lblCoBrand cmdOK");
        QTest::newRow("exit") << QStringLiteral("frmNagScreen2")
                              << names("cmdClose Check1 Picture1 txtName cmdSubmit txtEmail txtFriendEmail "
                                       "txtFriendName txtMessage");
    }

    void tabOrders()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, order);
        QWidget &shown = windowNamed(form);
        activate(shown);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        for (int i = 0; i + 1 < order.size(); ++i) {
            auto *from = shown.findChild<QWidget *>(order[i]);
            auto *to = shown.findChild<QWidget *>(order[i + 1]);
            QVERIFY(from && to);
            if (from->focusProxy())
                from = from->focusProxy();
            QWidget *next = nextTabStop(from);
            QVERIFY2(next == to || to->isAncestorOf(next),
                     qPrintable(order[i] + QLatin1String(" -> ") + next->objectName()));
        }
    }

    // Out of sight by the layout, yet Tab reaches them.
    void offScreenControlsTakeTheFocusByTab_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("tabs");
        QTest::newRow("input window's Exit") << QStringLiteral("frmMain") << QStringLiteral("cmdExit") << 7;
        QTest::newRow("exit screen's message") << QStringLiteral("frmNagScreen2") << QStringLiteral("txtMessage")
                                               << 8;
    }

    void offScreenControlsTakeTheFocusByTab()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(int, tabs);
        activate(windowNamed(form));
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), control);
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("input") << QStringLiteral("frmMain");
        QTest::newRow("reading") << QStringLiteral("frmDisplay");
        QTest::newRow("about") << QStringLiteral("frmAbout");
        QTest::newRow("exit") << QStringLiteral("frmNagScreen2");
    }

    // Tab visits every control once and comes back round; Shift+Tab walks the same
    // round backwards; neither types anything into the boxes it passes.
    void tabWalksRoundTheWindow_data() { everyWindow_data(); }

    void tabWalksRoundTheWindow()
    {
        QFETCH(QString, form);
        QWidget &window = windowNamed(form);
        activate(window);
        const QStringList textsBefore = typedTexts(window);
        const QList<QWidget *> stops = tabStops(window);
        QWidget *first = QApplication::focusWidget();
        QVERIFY(first);
        QList<QWidget *> forwards{first};
        for (int i = 0; i < 2 * stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                break;
            forwards.append(QApplication::focusWidget());
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), first->objectName());
        QCOMPARE(QSet<QWidget *>(forwards.begin(), forwards.end()), QSet<QWidget *>(stops.begin(), stops.end()));
        QCOMPARE(forwards.size(), stops.size());
        QList<QWidget *> backwards{first};
        for (int i = 1; i < forwards.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backwards.prepend(QApplication::focusWidget());
        }
        backwards.prepend(first);
        backwards.removeLast();
        QCOMPARE(backwards, forwards);
        QCOMPARE(typedTexts(window), textsBefore);
    }

    // Every control that takes the keyboard focus looks different when it has it.
    void focusShows_data() { everyWindow_data(); }

    void focusShows()
    {
        QFETCH(QString, form);
        QWidget &window = windowNamed(form);
        activate(window);
        const QList<QWidget *> stops = tabStops(window);
        QVERIFY(stops.size() > 1);
        // As after the user's first Tab: styles draw focus frames only from then on.
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        for (QWidget *control : stops) {
            QWidget *other = stops.first() == control ? stops.last() : stops.first();
            other->setFocus(Qt::TabFocusReason);
            const QImage without = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), control);
            const QImage with = control->grab().toImage();
            QVERIFY2(with != without, qPrintable(control->objectName() + QLatin1String(" shows no focus")));
        }
    }

    // A frame's caption font is its caption's alone: the boxes and lists in it keep
    // the window's regular text.
    void typedTextIsRegular_data() { everyWindow_data(); }

    void typedTextIsRegular()
    {
        QFETCH(QString, form);
        QWidget &window = windowNamed(form);
        QList<QWidget *> boxes;
        for (auto *box : window.findChildren<QLineEdit *>())
            boxes << box;
        for (auto *box : window.findChildren<QPlainTextEdit *>())
            boxes << box;
        for (auto *list : window.findChildren<QComboBox *>())
            boxes << list;
        for (QWidget *box : std::as_const(boxes))
            QVERIFY2(!box->font().bold(), qPrintable(box->objectName()));
    }

    // No control inside a frame touches the frame's border or its caption: drawn
    // without its controls, the frame shows nothing but its background where each
    // control stands, nor in a pixel's margin round it. Away from its caption, the
    // frame is its background and a smoothed rounded line, as a painter draws it.
    void framesKeepClearOfTheirContents_data() { everyWindow_data(); }

    void framesKeepClearOfTheirContents()
    {
        QFETCH(QString, form);
        QWidget &window = windowNamed(form);
        window.show();
        for (QGroupBox *frame : window.findChildren<QGroupBox *>()) {
            QList<QWidget *> controls;
            for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                // A control placed wholly outside its frame is hidden there on purpose.
                if (!control->isHidden() && frame->rect().intersects(control->geometry()))
                    controls.append(control);
            }
            for (QWidget *control : std::as_const(controls))
                control->hide();
            const QImage drawn = frame->grab().toImage();
            for (QWidget *control : std::as_const(controls))
                control->show();
            const qreal scale = drawn.devicePixelRatio();
            const QRgb background = frame->palette().color(QPalette::Window).rgb();
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            QImage expected(drawn.size(), drawn.format());
            expected.setDevicePixelRatio(scale);
            expected.fill(background);
            QPainter painter(&expected);
            painter.setClipRegion(QRegion(frame->rect()) - caption.adjusted(-2, 0, 2, 0));
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(frame->palette().color(QPalette::Window).darker(140));
            painter.drawRoundedRect(QRectF(frame->rect().adjusted(0, caption.center().y(), 0, 0))
                                        .adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
            painter.end();
            const QRect captionPixels = QRectF(QPointF(caption.topLeft()) * scale, QSizeF(caption.size()) * scale)
                                            .toAlignedRect().adjusted(-1, -1, 1, 1);
            int astray = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x)
                    astray += !captionPixels.contains(x, y) && drawn.pixel(x, y) != expected.pixel(x, y);
            }
            QCOMPARE(astray, 0);
            // The caption is drawn bold: its ink is nearer the bold caption's than the regular one's.
            const auto ink = [&](const QImage &image) {
                int count = 0;
                for (int y = captionPixels.top(); y <= captionPixels.bottom(); ++y) {
                    for (int x = captionPixels.left(); x <= captionPixels.right(); ++x)
                        count += image.valid(x, y) && image.pixel(x, y) != background;
                }
                return count;
            };
            const auto written = [&](bool bold) {
                QImage text(drawn.size(), drawn.format());
                text.setDevicePixelRatio(scale);
                text.fill(background);
                QPainter writer(&text);
                QFont font = frame->font();
                font.setBold(bold);
                writer.setFont(font);
                writer.setPen(frame->palette().color(QPalette::WindowText));
                writer.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, frame->title());
                writer.end();
                return ink(text);
            };
            const int drawnInk = ink(drawn);
            QVERIFY2(std::abs(drawnInk - written(true)) < std::abs(drawnInk - written(false)),
                     qPrintable(frame->objectName() + QLatin1String(": the caption is not bold")));
            for (const QWidget *control : std::as_const(controls)) {
                const QRect margin = control->geometry().adjusted(-1, -1, 1, 1);
                const QRect pixels = QRectF(QPointF(margin.topLeft()) * scale, QSizeF(margin.size()) * scale)
                                         .toAlignedRect()
                                         .intersected(drawn.rect());
                int touching = 0;
                for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                    for (int x = pixels.left(); x <= pixels.right(); ++x)
                        touching += drawn.pixel(x, y) != background;
                }
                QVERIFY2(touching == 0, qPrintable(frame->objectName() + QLatin1Char('/') + control->objectName()
                                                   + QLatin1String(" meets the frame's border or caption")));
            }
        }
    }

    void readingWindowHasTwoTabs()
    {
        ReadingWindow &reading = program().readingWindow();
        reading.show();
        auto *tabs = control<QTabWidget>(reading, "SSTab1");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Sun Sign Profile"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Fashion Profile"));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(control<QFrame>(reading, "Frame4")->isVisible() && !control<QFrame>(reading, "Frame3")->isVisible());
        tabs->setCurrentIndex(1);
        QVERIFY(control<QFrame>(reading, "Frame3")->isVisible() && !control<QFrame>(reading, "Frame4")->isVisible());
    }

    // Their one place is held to the design with the other places.
    void promotionsShareOnePlaceWithTheCoBrandingOfferInFront()
    {
        for (QWidget *form : {static_cast<QWidget *>(&program().inputWindow()),
                           static_cast<QWidget *>(&program().readingWindow())}) {
            auto *coBrand = form->findChild<QWidget *>(QStringLiteral("lblCobrand"));
            QCOMPARE(coBrand->parentWidget()->childAt(coBrand->geometry().center()), coBrand);
        }
    }

    // Pictures and icons are drawn for the screen's scale, never enlarged: sharp at 2.
    void picturesAreDrawnForTheScreensScale()
    {
        const qreal scale = qApp->devicePixelRatio();
        for (const char *form : {"frmAbout", "frmNagScreen2"}) {
            const QPixmap icon = control<QLabel>(windowNamed(QLatin1String(form)), "Picture1")->pixmap();
            QCOMPARE(icon.width(), qRound(32 * scale));
            QCOMPARE(icon.devicePixelRatio(), scale);
        }
        const QPixmap sign = control<QLabel>(askForReading(program().inputWindow(), 1, 1), "picSunSign")->pixmap();
        QCOMPARE(sign.devicePixelRatio(), scale > 1 ? 2.0 : 1.0);
        QCOMPARE(sign.deviceIndependentSize(), QSizeF(200, 200));
    }

    void linksShowTheLinkPointer()
    {
        InputWindow &input = program().inputWindow();
        for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
            QCOMPARE(input.findChild<QWidget *>(QLatin1String(name))->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(control<Label>(input, "Label2")->cursor().shape(), Qt::ArrowCursor);
        AboutWindow &about = static_cast<AboutWindow &>(windowNamed(QStringLiteral("frmAbout")));
        QCOMPARE(control<Label>(about, "lblHomePage")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(control<Label>(about, "lblCoBrand")->cursor().shape(), Qt::BitmapCursor);
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
