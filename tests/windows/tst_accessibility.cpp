#include "support/testsupport.h"
#include "windows/aboutwindow.h"
#include "windows/accessibility.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestAccessibility : public WindowTest
{
    Q_OBJECT

    QAccessibleInterface *accessible(const QString &form, const QString &name)
    {
        return QAccessible::queryAccessibleInterface(control<QWidget>(windowNamed(form), qPrintable(name)));
    }

private Q_SLOTS:
    void initTestCase() { accessibility::install(*qApp); }

    void init()
    {
        WindowTest::init();
        startProgram();
    }

    void everyEntryIsNamedAsItsCaption_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        auto row = [](const char *form, const char *control, const char *name) {
            QTest::addRow("%s.%s", form, control)
                << QString::fromLatin1(form) << QString::fromLatin1(control) << QString::fromLatin1(name);
        };
        row("frmMain", "txtFirstName", "First Name");
        row("frmMain", "txtMiddleName", "Middle Name");
        row("frmMain", "txtLastName", "Last Name");
        row("frmMain", "cmdNext", "Get My Vestastra Reading");
        row("frmMain", "cmdExit", "Exit");
        row("frmDisplay", "txtSunSignPositiveTraits", "Positive Traits");
        row("frmDisplay", "txtSunSignNegativeTraits", "Negative Traits");
        row("frmDisplay", "txtFashionCharacteristics", "Fashion Characteristics");
        row("frmDisplay", "cmdBack", "Back");
        row("frmAbout", "cmdOK", "OK");
        row("frmNagScreen2", "txtName", "Your Name");
        row("frmNagScreen2", "txtEmail", "Your Email Address");
        row("frmNagScreen2", "txtFriendName", "Friend's Name");
        row("frmNagScreen2", "txtFriendEmail", "Friend's Email Address");
        row("frmNagScreen2", "txtMessage", "Your Message");
        row("frmNagScreen2", "cmdSubmit", "Refer A Friend Now");
        // Each frame by its own caption, never by the frame around it.
        row("frmMain", "fraName", "Please Fill In The Below Details:");
        row("frmMain", "Frame1", "Name");
        row("frmMain", "fraBirthDay", "Date Of Birth");
        row("frmNagScreen2", "Frame2", "Refer A Friend");
        row("frmNagScreen2", "Frame6", "Download More Free Software");
    }

    void everyEntryIsNamedAsItsCaption()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(accessible(form, control)->text(QAccessible::Name), name);
    }

    void dateListsSayWhichPartOfTheDateTheyHold()
    {
        InputWindow &input = program().inputWindow();
        // On Linux a screen reader names a list by the labels it is labelled by, and
        // hears its current item through its description.
        const struct { const char *list; const char *label; const char *first; const char *second; } lists[] = {
            {"cboMonth", "Month", "January", "February"},
            {"cboDate", "Day", "1", "2"},
            {"cboYear", "Year", "1900", "1901"}};
        for (const auto &list : lists) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(control<QComboBox>(input, list.list));
            QStringList labels;
            for (const auto &[label, relation] : box->relations(QAccessible::Label))
                labels << label->text(QAccessible::Name);
            QCOMPARE(labels, (QStringList{QLatin1String(list.label), QStringLiteral("Date Of Birth")}));
            QCOMPARE(box->text(QAccessible::Description), QLatin1String(list.first));
            control<QComboBox>(input, list.list)->setCurrentIndex(1);
            QCOMPARE(box->text(QAccessible::Description), QLatin1String(list.second));
        }
    }

    void linksAreAnnouncedAndPressable_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("forum") << QStringLiteral("frmMain") << QStringLiteral("Label61")
                               << mainSite();
        QTest::newRow("co-branding") << QStringLiteral("frmMain") << QStringLiteral("lblCobrand")
                                     << helpSite() + QLatin1String("/co-brand.html");
        QTest::newRow("About home page") << QStringLiteral("frmAbout") << QStringLiteral("lblHomePage")
                                         << mainSite();
        QTest::newRow("catalogue") << QStringLiteral("frmNagScreen2") << QStringLiteral("lblGoToHome")
                                   << mainSite() + QLatin1String("/tessivane");
    }

    void linksAreAnnouncedAndPressable()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, address);
        QAccessibleInterface *link = accessible(form, control);
        QCOMPARE(link->role(), QAccessible::Link);
        QVERIFY(!link->text(QAccessible::Name).isEmpty());
        QAccessibleActionInterface *actions = link->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(platform->desktop.opened, QStringList{address});
    }

    void plainLabelsAreNoLinks()
    {
        QVERIFY(accessible(QStringLiteral("frmMain"), QStringLiteral("Label1"))->role() != QAccessible::Link);
    }

    void linksAreReachedByTabAndPressedByEnterOrSpace_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void linksAreReachedByTabAndPressedByEnterOrSpace()
    {
        QFETCH(int, key);
        InputWindow &input = program().inputWindow();
        QApplication::setActiveWindow(&input);
        QVERIFY(QTest::qWaitForWindowActive(&input));
        control<QPushButton>(input, "cmdExit")->setFocus();
        QTest::keyClick(control<QPushButton>(input, "cmdExit"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<Label>(input, "Label61"));
        // The keypad's Enter comes with the keypad modifier, as from a real keyboard.
        const auto keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(control<Label>(input, "Label61"), Qt::Key(key), keypad);
        QCOMPARE(platform->desktop.opened, QStringList{mainSite()});
    }

    // Enter, as Space, presses a focused button, as on every desktop.
    void buttonsArePressedByEnterOrSpace_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        const std::pair<const char *, const char *> buttons[] = {
            {"frmMain", "cmdNext"}, {"frmMain", "cmdExit"}, {"frmDisplay", "cmdBack"}, {"frmAbout", "cmdOK"},
            {"frmNagScreen2", "cmdClose"}, {"frmNagScreen2", "cmdSubmit"}, {"frmNagScreen2", "Check1"}};
        const std::pair<const char *, Qt::Key> keys[] = {
            {"Enter", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
        for (const auto &[form, button] : buttons) {
            for (const auto &[name, key] : keys)
                QTest::addRow("%s.%s, %s", form, button, name)
                    << QString::fromLatin1(form) << QString::fromLatin1(button) << int(key);
        }
    }

    void buttonsArePressedByEnterOrSpace()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(int, key);
        QWidget &window = windowNamed(form);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *button = window.findChild<QAbstractButton *>(control);
        QVERIFY(button);
        button->setFocus();
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        QTest::keyClick(button, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(pressed.count(), 1);
    }

    // Flat review and magnifiers find a box's letters where they are drawn.
    void aBoxTellsWhereEachCharacterIs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("short") << QStringLiteral("LEE") << true;
        QTest::newRow("wider than the box") << QStringLiteral("Wolfeschlegelsteinhausenbergerdorff") << false;
    }

    void aBoxTellsWhereEachCharacterIs()
    {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        InputWindow &input = program().inputWindow();
        input.show();
        QVERIFY(QTest::qWaitForWindowExposed(&input));
        auto *box = control<QLineEdit>(input, "txtLastName");
        box->setText(text);
        box->repaint(); // A box scrolls to its caret as it is drawn.
        QAccessibleTextInterface *boxText = QAccessible::queryAccessibleInterface(box)->textInterface();
        QVERIFY(boxText);
        QCOMPARE(boxText->text(0, boxText->characterCount()), text);
        const QRect inside(box->mapToGlobal(QPoint(0, 0)), box->size());
        int drawn = 0;
        for (int offset = 0; offset < text.size(); ++offset) {
            const QRect character = boxText->characterRect(offset);
            QVERIFY2(character.width() > 0, qPrintable(QString::number(offset)));
            // Where it is drawn, if it is drawn: the box scrolls its text.
            if (inside.contains(character)) {
                ++drawn;
                QCOMPARE(boxText->offsetAtPoint(character.center() - QPoint(character.width() / 4, 0)), offset);
            }
        }
        // The box shows its end, where the caret is, and all of a short text.
        QVERIFY(inside.contains(boxText->characterRect(int(text.size()) - 1)));
        QVERIFY(whole ? drawn == text.size() : drawn < text.size());
    }

    void signPictureNamesItsSign()
    {
        askForReading(program().inputWindow(), 26, 3);
        QCOMPARE(accessible(QStringLiteral("frmDisplay"), QStringLiteral("picSunSign"))->text(QAccessible::Name),
                 QStringLiteral("Aries"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
