#include "support/testsupport.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QAction>
#include <QTest>

namespace {

const QString onlyAlphabet = QStringLiteral("Please Enter Only Alphabet");

void sendKey(QWidget *box, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(box, &release);
}

void commit(QWidget *box, const QString &text, int replaceFrom = 0, int replaceLength = 0)
{
    QInputMethodEvent event;
    event.setCommitString(text, replaceFrom, replaceLength);
    QApplication::sendEvent(box, &event);
}

} // namespace

class TestInputWindow : public WindowTest
{
    Q_OBJECT

    InputWindow *input = nullptr;

    QLineEdit *firstName() const { return control<QLineEdit>(input, "txtFirstName"); }
    QLineEdit *middleName() const { return control<QLineEdit>(input, "txtMiddleName"); }
    QLineEdit *lastName() const { return control<QLineEdit>(input, "txtLastName"); }
    QComboBox *months() const { return control<QComboBox>(input, "cboMonth"); }
    QComboBox *days() const { return control<QComboBox>(input, "cboDate"); }
    QComboBox *years() const { return control<QComboBox>(input, "cboYear"); }
    QPushButton *readingButton() const { return control<QPushButton>(input, "cmdNext"); }

private Q_SLOTS:
    // The window is English whatever the user's locale: under German the months
    // would read "Januar".
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        WindowTest::init();
        input = &startProgram();
        QApplication::setActiveWindow(input);
        QVERIFY(QTest::qWaitForWindowActive(input));
    }

    void listsFilledOnLoad()
    {
        QCOMPARE(days()->count(), 31);
        QCOMPARE(days()->itemText(0), QStringLiteral("1"));
        QCOMPARE(days()->itemText(30), QStringLiteral("31"));
        QCOMPARE(months()->count(), 12);
        QCOMPARE(months()->itemText(0), QStringLiteral("January"));
        QCOMPARE(months()->itemText(8), QStringLiteral("September"));
        QCOMPARE(months()->itemText(11), QStringLiteral("December"));
        QCOMPARE(years()->count(), 151);
        QCOMPARE(years()->itemText(150), QStringLiteral("2050"));
        QCOMPARE(days()->currentText(), QStringLiteral("1"));
        QCOMPARE(months()->currentText(), QStringLiteral("January"));
        QCOMPARE(years()->currentText(), QStringLiteral("1900"));
        QVERIFY(firstName()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), firstName());
    }

    void lettersAreUpperCased()
    {
        QTest::keyClicks(middleName(), QStringLiteral("anNa z"));
        QCOMPARE(middleName()->text(), QStringLiteral("ANNA Z"));
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void refusedKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("digit") << int(Qt::Key_5) << QStringLiteral("5") << int(Qt::NoModifier);
        QTest::newRow("hyphen") << int(Qt::Key_Minus) << QStringLiteral("-") << int(Qt::NoModifier);
        QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << QStringLiteral("'") << int(Qt::NoModifier);
        QTest::newRow("square bracket") << int(Qt::Key_BracketLeft) << QStringLiteral("[") << int(Qt::NoModifier);
        QTest::newRow("backquote") << int(Qt::Key_QuoteLeft) << QStringLiteral("`") << int(Qt::NoModifier);
        QTest::newRow("e acute") << int(Qt::Key_Eacute) << QStringLiteral("\u00e9") << int(Qt::NoModifier);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << QStringLiteral("\x1b") << int(Qt::NoModifier);
        QTest::newRow("Ctrl+V as X11 sends it") << int(Qt::Key_V) << QStringLiteral("\x16")
                                                << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+V as Qt Test sends it") << int(Qt::Key_V) << QStringLiteral("v")
                                                    << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << QStringLiteral("\x03") << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+A as Qt Test sends it") << int(Qt::Key_A) << QStringLiteral("a") << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << QString() << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << QStringLiteral("\b") << int(Qt::ControlModifier);
        // Alt with a key is a command: it types nothing, and nothing is refused.
        QTest::newRow("Alt+A") << int(Qt::Key_A) << QStringLiteral("a") << int(Qt::AltModifier);
    }

    void refusedKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        firstName()->setText(QStringLiteral("AB"));
        firstName()->selectAll();
        sendKey(firstName(), Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(firstName()->text(), QStringLiteral("AB"));
        if (modifiers & Qt::AltModifier) {
            QVERIFY(platform->messages.shown.isEmpty());
            return;
        }
        QCOMPARE(platform->messages.texts(), QStringList{onlyAlphabet});
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Information);
        QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PASTED"));
    }

    void editingKeysWorkAsUsual()
    {
        QLineEdit *box = firstName();
        QTest::keyClicks(box, QStringLiteral("abcd"));
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("ABD"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("BD"));
        // Under X11 Delete carries the text "\x7f", which is no character to refuse.
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
        QCOMPARE(box->text(), QStringLiteral("D"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->text(), QStringLiteral(" D"));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), middleName());
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void inputMethodTextIsFiltered_data()
    {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<int>("replaceFrom");
        QTest::addColumn<int>("replaceLength");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("messages");
        QTest::newRow("letter, upper-cased") << QStringLiteral("b") << 0 << 0 << QStringLiteral("ABCB") << 0;
        QTest::newRow("accented letter") << QStringLiteral("\u00e9") << 0 << 0 << QStringLiteral("ABC") << 1;
        QTest::newRow("one bad character refuses all") << QStringLiteral("ok9") << 0 << 0 << QStringLiteral("ABC")
                                                       << 1;
        QTest::newRow("accepted replacement") << QStringLiteral("x") << -1 << 1 << QStringLiteral("ABX") << 0;
        QTest::newRow("refused replacement keeps the text") << QStringLiteral("\u00e9") << -1 << 1
                                                            << QStringLiteral("ABC") << 1;
        QTest::newRow("refused removal keeps the text") << QStringLiteral("7") << -3 << 3 << QStringLiteral("ABC")
                                                        << 1;
    }

    void inputMethodTextIsFiltered()
    {
        QFETCH(QString, commit);
        QFETCH(int, replaceFrom);
        QFETCH(int, replaceLength);
        QFETCH(QString, result);
        QFETCH(int, messages);
        firstName()->setText(QStringLiteral("ABC"));
        ::commit(firstName(), commit, replaceFrom, replaceLength);
        QCOMPARE(firstName()->text(), result);
        QCOMPARE(platform->messages.texts(), QStringList(messages, onlyAlphabet));
    }

    // A missing name or list moves the focus there; a day the month does not have
    // leaves it on the button. Day, month and year 0 leave that list showing nothing.
    void problemsAreReportedWithTheFocusWhereTheyLie_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString ann = QStringLiteral("ANN"), lee = QStringLiteral("LEE");
        auto row = [](const char *name, const QString &first, const QString &last, int day, int month, int year,
                      const char *message, const char *focus) {
            QTest::newRow(name) << first << last << day << month << year << QString::fromLatin1(message)
                                << QString::fromLatin1(focus);
        };
        row("first name", {}, {}, 1, 1, 1900, "Please Enter Your First Name", "txtFirstName");
        row("last name", ann, {}, 1, 1, 1900, "Please Enter Your Last Name", "txtLastName");
        row("day", ann, lee, 0, 1, 1900, "Please Specify Your Birth Date", "cboDate");
        row("month", ann, lee, 1, 0, 1900, "Please Specify Your Birth Month", "cboMonth");
        row("year", ann, lee, 1, 1, 0, "Please Specify Your Birth Year", "cboYear");
        row("29 Feb 1900", ann, lee, 29, 2, 1900, "Please Enter Correct Date Or Month!", "cmdNext");
        row("31 Feb 2000", ann, lee, 31, 2, 2000, "Please Enter Correct Date Or Month!", "cmdNext");
        row("31 Nov 1980", ann, lee, 31, 11, 1980, "Please Enter Correct Date Or Month !", "cmdNext");
        row("29 Feb 2000", ann, lee, 29, 2, 2000, "", "");
    }

    void problemsAreReportedWithTheFocusWhereTheyLie()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        firstName()->setText(first);
        lastName()->setText(last);
        days()->setCurrentIndex(day - 1);
        months()->setCurrentIndex(month - 1);
        years()->setCurrentIndex(year ? year - 1900 : -1);
        readingButton()->setFocus();
        readingButton()->click();
        if (message.isEmpty()) {
            QVERIFY(platform->messages.shown.isEmpty());
            QVERIFY(program().readingWindow().isVisible());
            return;
        }
        QCOMPARE(platform->messages.texts(), QStringList{message});
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Information);
        QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("frmMain")});
        // The message first, then the focus moves: a screen reader tells why before where.
        QCOMPARE(platform->messages.shown.first().focus, QStringLiteral("cmdNext"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(input->isVisible());
        QVERIFY(!findWindow<ReadingWindow>());
    }
};

QTEST_MAIN(TestInputWindow)
#include "tst_inputwindow.moc"
