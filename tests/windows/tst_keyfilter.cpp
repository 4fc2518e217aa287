#include "windows/keyfilter.h"

#include <QKeyEvent>
#include <QTest>

class TestKeyFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The character code a key press types, as the name boxes' filter sees it; -1 for a
    // key that types none. Control with a letter types its control code, whether the
    // platform sends it as X11 does (the code as text) or as Qt Test does (the letter).
    void typedCharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("control");
        QTest::addColumn<int>("code");
        QTest::newRow("a") << int(Qt::Key_A) << QStringLiteral("a") << false << 97;
        QTest::newRow("Shift+A") << int(Qt::Key_A) << QStringLiteral("A") << false << 65;
        for (const auto &[letter, code] : {std::pair{'A', 1}, {'C', 3}, {'M', 13}, {'V', 22}, {'X', 24}}) {
            const int key = Qt::Key_A + (letter - 'A');
            QTest::addRow("Ctrl+%c as X11 sends it", letter) << key << QString(QChar(code)) << true << code;
            QTest::addRow("Ctrl+%c as Qt Test sends it", letter)
                << key << QString(QChar(letter).toLower()) << true << code;
        }
        QTest::newRow("Enter") << int(Qt::Key_Return) << QStringLiteral("\r") << false << 13;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QStringLiteral("\b") << false << 8;
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << QStringLiteral("\b") << true << 127;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << QStringLiteral("\x1b") << false << 27;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << QStringLiteral("\t") << false << -1;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << QString() << false << -1;
        QTest::newRow("Delete as X11 sends it") << int(Qt::Key_Delete) << QStringLiteral("\x7f") << false << -1;
        QTest::newRow("arrow") << int(Qt::Key_Left) << QString() << false << -1;
    }

    void typedCharacter()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, control);
        QFETCH(int, code);
        const QKeyEvent press(QEvent::KeyPress, key, control ? Qt::ControlModifier : Qt::NoModifier, text);
        QCOMPARE(::typedCharacter(press).value_or(-1), code);
    }
};

QTEST_GUILESS_MAIN(TestKeyFilter)
#include "tst_keyfilter.moc"
