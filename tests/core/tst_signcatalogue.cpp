#include "core/signcatalogue.h"
#include "support/design.h"

#include <QTest>

#include <algorithm>

namespace {

// The profile of the sign of that name, by the sign's place in the design's order.
const SignProfile &profile(const char *name)
{
    const auto named = [name](const design::Sign &sign) { return qstrcmp(sign.name, name) == 0; };
    const auto *found = std::find_if(std::cbegin(design::signs), std::cend(design::signs), named);
    Q_ASSERT(found != std::cend(design::signs));
    return signProfile(Sign(found - std::cbegin(design::signs)));
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 128; });
}

} // namespace

class TestSignCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every short field and scale sentence of every sign, in catalogue order, which is
    // also the order of the signs.
    void shortFields_data()
    {
        QTest::addColumn<int>("position");
        for (int i = 0; i < 12; ++i)
            QTest::newRow(design::signs[i].name) << i;
    }

    void shortFields()
    {
        QFETCH(int, position);
        const design::Sign &expected = design::signs[position];
        QCOMPARE(signCatalogue().size(), std::size(design::signs));
        const SignProfile &sign = signProfile(Sign(position));
        QCOMPARE(&sign, &signCatalogue()[std::size_t(position)]);
        const QStringList shown{sign.name,       sign.element,     sign.luckyNumbers, sign.luckyDay,
                                sign.compatibility, sign.birthStone, sign.boldness,     sign.traditional,
                                sign.colorful,   sign.customMade,  sign.frilly,       sign.preferredColors,
                                sign.undesirableColors};
        QCOMPARE(shown, expected.shortFields());
    }

    void longTexts_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        const char *fields[] = {"positive", "negative", "fashion"};
        for (const auto &row : design::longTexts) {
            const SignProfile &sign = profile(row.sign);
            const QLatin1String texts[] = {sign.positiveTraits, sign.negativeTraits, sign.fashionCharacteristics};
            for (int i = 0; i < 3; ++i) {
                QTest::addRow("%s %s", row.sign, fields[i])
                    << QString::fromLatin1(row.sign) << QString(texts[i])
                    << QString::fromLatin1(row.opening[i]) << row.length[i];
            }
        }
    }

    void longTexts()
    {
        QFETCH(QString, sign);
        QFETCH(QString, text);
        QFETCH(QString, opening);
        QFETCH(int, length);
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(60)));
        QCOMPARE(text.size(), length);
        QVERIFY(isAscii(text));
        const bool leoFashion = sign == QLatin1String("Leo") && length == 1038;
        if (leoFashion) {
            QCOMPARE(text.indexOf(QLatin1String("\r\n\r\n")), 482);
            QCOMPARE(text.count(QLatin1Char('\n')), 2);
            QCOMPARE(text.count(QLatin1Char('\r')), 2);
            QCOMPARE(text.mid(486).size(), 552);
        } else {
            QVERIFY(!text.contains(QLatin1Char('\n')));
            QVERIFY(!text.contains(QLatin1Char('\r')));
        }
        const bool trailingSpace = sign == QLatin1String("Capricorn") && length == 550;
        QCOMPARE(text.endsWith(QLatin1String(". ")), trailingSpace);
        QVERIFY(!text.endsWith(QLatin1String("  ")));
    }
};

QTEST_GUILESS_MAIN(TestSignCatalogue)
#include "tst_signcatalogue.moc"
