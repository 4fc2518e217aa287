#include "platform/forms.h"
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
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QComboBox>
#include <QSet>
#include <QTest>

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

} // namespace

class TestLayouts : public QObject
{
    Q_OBJECT

    FakePlatform platform;

private Q_SLOTS:
    void cleanup()
    {
        endRun();
        verifyNoWindowLeft();
    }

    void captions_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        auto row = [](const char *form, const char *control, const char *text) {
            QTest::addRow("%s.%s", form, control)
                << QString::fromLatin1(form) << QString::fromLatin1(control) << QString::fromLatin1(text);
        };
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

        row("frmAbout", "Label2", "VL Vestastra 1.15");
        row("frmAbout", "Label1", "VL Vestastra is a Western zodiac based software that describes the fashion "
                                  "profiles of the different sun signs. This tells your more about your sun sign "
                                  "profile and fashion profile.");
        row("frmAbout", "Label3", "Home Business Opportunity. Start your own Internet business and make money "
                                  "online. Get this software fully branded for your website.");
        row("frmAbout", "lblCoBrand", "Click here for more details.");
        row("frmAbout", "cmdOK", "OK");

        row("frmNagScreen2", "Label1", "VL Vestastra 1.15");
        row("frmNagScreen2", "cmdClose", "E&xit");
        row("frmNagScreen2", "Frame2", "Refer A Friend");
        row("frmNagScreen2", "txtName", "Your Name");
        row("frmNagScreen2", "txtEmail", "Your Email Address");
        row("frmNagScreen2", "txtFriendName", "Friend's Name");
        row("frmNagScreen2", "txtFriendEmail", "Friend's Email Address");
        row("frmNagScreen2", "cmdSubmit", "Refer A Friend &Now");
    }

    void captions()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, text);
        const QObject *found = formNamed(form).findChild<QObject *>(control);
        QVERIFY2(found, qPrintable(control));
        QCOMPARE(caption(found), text);
    }

    void menuBarsInOrder_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("input window") << QStringLiteral("frmMain")
                                      << QStringList{QStringLiteral("nuFile"), QStringLiteral("mnuHelp"),
                                                     QStringLiteral("mnuDonate"), QStringLiteral("mnumakemoney")};
        QTest::newRow("reading window") << QStringLiteral("frmDisplay")
                                        << QStringList{QStringLiteral("mnuFile"), QStringLiteral("mnuHelp"),
                                                       QStringLiteral("mnuDonate"), QStringLiteral("mnumakemoney")};
    }

    void menuBarsInOrder()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, entries);
        QStringList shown;
        for (QAction *entry : formNamed(form).menuBar()->actions())
            shown << (entry->menu() ? entry->menu()->objectName() : entry->objectName());
        QCOMPARE(shown, entries);
        const QMenu *help = formNamed(form).findChild<QMenu *>(QStringLiteral("mnuHelp"));
        QStringList helpEntries;
        for (QAction *entry : help->actions())
            helpEntries << entry->objectName();
        QCOMPARE(helpEntries.size(), 6);
        QVERIFY(help->actions().at(2)->isSeparator());
        QVERIFY(help->actions().at(4)->isSeparator());
    }

    void everyWindowIsCaptionedAndFixed_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QSize>("client");
        QTest::newRow("input") << QStringLiteral("frmMain") << QSize(497, 297);
        QTest::newRow("reading") << QStringLiteral("frmDisplay") << QSize(553, 505);
        QTest::newRow("about") << QStringLiteral("frmAbout") << QSize(455, 258);
        QTest::newRow("exit") << QStringLiteral("frmNagScreen2") << QSize(741, 315);
    }

    void everyWindowIsCaptionedAndFixed()
    {
        QFETCH(QString, form);
        QFETCH(QSize, client);
        Form &shown = formNamed(form);
        shown.show();
        QCOMPARE(shown.objectName(), form);
        QCOMPARE(shown.windowTitle(), QStringLiteral("VL Vestastra 1.15"));
        QCOMPARE(shown.clientArea()->size(), client);
        QCOMPARE(shown.minimumSize(), shown.maximumSize());
    }

    void tabOrders_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("input") << QStringLiteral("frmMain")
                               << QStringList{QStringLiteral("txtFirstName"), QStringLiteral("txtMiddleName"),
                                              QStringLiteral("txtLastName"), QStringLiteral("cboMonth"),
                                              QStringLiteral("cboDate"), QStringLiteral("cboYear"),
                                              QStringLiteral("cmdNext"), QStringLiteral("cmdExit")};
        QTest::newRow("reading") << QStringLiteral("frmDisplay")
                                 << QStringList{QStringLiteral("cmdBack"), QStringLiteral("SSTab1"),
                                                QStringLiteral("txtFashionCharacteristics"),
                                                QStringLiteral("txtSunSignPositiveTraits"),
                                                QStringLiteral("txtSunSignNegativeTraits"),
                                                QStringLiteral("picSunSign")};
        QTest::newRow("exit") << QStringLiteral("frmNagScreen2")
                              << QStringList{QStringLiteral("cmdClose"), QStringLiteral("Check1"),
                                             QStringLiteral("Picture1"), QStringLiteral("txtName"),
                                             QStringLiteral("cmdSubmit"), QStringLiteral("txtEmail"),
                                             QStringLiteral("txtFriendEmail"), QStringLiteral("txtFriendName"),
                                             QStringLiteral("txtMessage")};
    }

    void tabOrders()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, order);
        Form &shown = formNamed(form);
        shown.show();
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
        Form &shown = formNamed(form);
        shown.show();
        QApplication::setActiveWindow(&shown);
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        auto *hidden = shown.findChild<QWidget *>(control);
        const QRect visible = hidden->parentWidget()->rect();
        QVERIFY(!visible.intersects(hidden->geometry()));
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), hidden);
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
        Form &window = formNamed(form);
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
        Form &window = formNamed(form);
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
        Form &window = formNamed(form);
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
    // control stands, nor in a pixel's margin round it.
    void framesKeepClearOfTheirContents_data() { everyWindow_data(); }

    void framesKeepClearOfTheirContents()
    {
        QFETCH(QString, form);
        Form &window = formNamed(form);
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

    void firstControlHasTheFocus_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::newRow("input") << QStringLiteral("frmMain") << QStringLiteral("txtFirstName");
        QTest::newRow("about") << QStringLiteral("frmAbout") << QStringLiteral("cmdOK");
        QTest::newRow("exit") << QStringLiteral("frmNagScreen2") << QStringLiteral("cmdClose");
    }

    void firstControlHasTheFocus()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        Form &shown = formNamed(form);
        shown.show();
        QApplication::setActiveWindow(&shown);
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        QCOMPARE(QApplication::focusWidget()->objectName(), control);
    }

    void readingWindowHasTwoTabs()
    {
        ReadingWindow &reading = Forms::load<ReadingWindow>();
        reading.show();
        QCOMPARE(control<QTabWidget>(reading, "SSTab1")->count(), 2);
        QCOMPARE(control<QTabWidget>(reading, "SSTab1")->tabText(0), QStringLiteral("Sun Sign Profile"));
        QCOMPARE(control<QTabWidget>(reading, "SSTab1")->tabText(1), QStringLiteral("Fashion Profile"));
        QCOMPARE(control<QTabWidget>(reading, "SSTab1")->currentIndex(), 0);
        QVERIFY(control<QFrame>(reading, "Frame4")->isVisible() && !control<QFrame>(reading, "Frame3")->isVisible());
        const QRect sunSignPage = control<QFrame>(reading, "Frame4")->geometry();
        control<QTabWidget>(reading, "SSTab1")->setCurrentIndex(1);
        QVERIFY(control<QFrame>(reading, "Frame3")->isVisible() && !control<QFrame>(reading, "Frame4")->isVisible());
        QCOMPARE(control<QFrame>(reading, "Frame3")->geometry(), sunSignPage);
    }

    void promotionsShareOnePlaceWithTheCoBrandingOfferInFront()
    {
        for (Form *form : {static_cast<Form *>(&Forms::load<InputWindow>()),
                           static_cast<Form *>(&Forms::load<ReadingWindow>())}) {
            auto *coBrand = form->findChild<QWidget *>(QStringLiteral("lblCobrand"));
            auto *fullBrand = form->findChild<QWidget *>(QStringLiteral("lblFullBrand"));
            QCOMPARE(coBrand->geometry(), fullBrand->geometry());
            QCOMPARE(coBrand->parentWidget(), fullBrand->parentWidget());
            QCOMPARE(coBrand->parentWidget()->childAt(coBrand->geometry().center()), coBrand);
        }
    }

    // Pictures and icons are drawn for the screen's scale, never enlarged: sharp at 2.
    void picturesAreDrawnForTheScreensScale()
    {
        const qreal scale = qApp->devicePixelRatio();
        for (const char *form : {"frmAbout", "frmNagScreen2"}) {
            const QPixmap icon = control<QLabel>(formNamed(QLatin1String(form)), "Picture1")->pixmap();
            QCOMPARE(icon.width(), qRound(32 * scale));
            QCOMPARE(icon.devicePixelRatio(), scale);
        }
        InputWindow &input = Forms::load<InputWindow>();
        control<QLineEdit>(input, "txtFirstName")->setText(QStringLiteral("ANN"));
        control<QLineEdit>(input, "txtLastName")->setText(QStringLiteral("LEE"));
        control<QPushButton>(input, "cmdNext")->click();
        const QPixmap sign = control<QLabel>(Forms::load<ReadingWindow>(), "picSunSign")->pixmap();
        QCOMPARE(sign.devicePixelRatio(), scale > 1 ? 2.0 : 1.0);
        QCOMPARE(sign.deviceIndependentSize(), QSizeF(200, 200));
    }

    void linksShowTheLinkPointer()
    {
        InputWindow &input = Forms::load<InputWindow>();
        for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
            QCOMPARE(input.findChild<QWidget *>(QLatin1String(name))->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(control<Label>(input, "Label2")->cursor().shape(), Qt::ArrowCursor);
        AboutWindow &about = Forms::load<AboutWindow>();
        QCOMPARE(control<Label>(about, "lblHomePage")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(control<Label>(about, "lblCoBrand")->cursor().shape(), Qt::BitmapCursor);
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
