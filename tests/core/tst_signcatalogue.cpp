#include "core/signcatalogue.h"

#include <QTest>

namespace {

const char *const signOrder[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                 "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const SignProfile &profile(const char *name)
{
    const SignProfile *found = findSignProfile(QString::fromLatin1(name));
    Q_ASSERT(found);
    return *found;
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
    void catalogueOrderAndPictures()
    {
        const auto &catalogue = signCatalogue();
        QCOMPARE(catalogue.size(), std::size(signOrder));
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            QCOMPARE(catalogue[i].name, QLatin1String(signOrder[i]));
            QCOMPARE(catalogue[i].pictureIndex, int(i) + 1);
        }
    }

    void findsByExactName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("picture");
        for (int i = 0; i < 12; ++i)
            QTest::newRow(signOrder[i]) << QString::fromLatin1(signOrder[i]) << i + 1;
        for (const char *miss : {"", "aries", "ARIES", " Aries", "Aries ", "Ophiuchus"})
            QTest::addRow("miss '%s'", miss) << QString::fromLatin1(miss) << 0;
    }

    void findsByExactName()
    {
        QFETCH(QString, name);
        QFETCH(int, picture);
        const SignProfile *found = findSignProfile(name);
        QCOMPARE(found ? found->pictureIndex : 0, picture);
    }

    void shortTextsAsQuoted()
    {
        const SignProfile &leo = profile("Leo");
        QCOMPARE(leo.preferredColors, QLatin1String("Orange, Red, Yellow "));
        QCOMPARE(leo.luckyNumbers, QLatin1String("8 and 9"));
        QCOMPARE(profile("Gemini").preferredColors, QLatin1String("Latest Color in Fashion"));
        QCOMPARE(profile("Libra").boldness,
                 QLatin1String("You may think twice before trying out an outrageous outfit"));
        QCOMPARE(profile("Virgo").frilly, QLatin1String("You do not mind a lit frill and lace sometimes."));
        QCOMPARE(profile("Capricorn").luckyNumbers, QLatin1String("8 and 2"));
        QCOMPARE(profile("Sagittarius").birthStone, QLatin1String("Turquoise"));
    }

    void taurusAndVirgoCompatibility()
    {
        for (const char *sign : {"Capricorn", "Aquarius", "Pisces"})
            QCOMPARE(profile(sign).compatibility, QLatin1String("Taurus and Virgo"));
        QCOMPARE(profile("Virgo").compatibility, QLatin1String("Capricorn and Taurus"));
    }

    void everySignTakesOneSentenceOfEachScale()
    {
        const auto &catalogue = signCatalogue();
        auto distinct = [&catalogue](QLatin1String SignProfile::*field) {
            QSet<QString> sentences;
            for (const SignProfile &sign : catalogue)
                sentences.insert(sign.*field);
            return sentences.size();
        };
        QCOMPARE(distinct(&SignProfile::boldness), 3);
        QCOMPARE(distinct(&SignProfile::traditional), 3);
        QCOMPARE(distinct(&SignProfile::colorful), 3);
        QCOMPARE(distinct(&SignProfile::customMade), 3);
        QCOMPARE(distinct(&SignProfile::frilly), 3);
    }

    void longTexts_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        const struct { const char *sign; const char *opening[3]; int length[3]; } rows[] = {
            {"Aries", {"You may be pioneers in your fields and", "You may be arrogant and domineering.",
                       "With their inherent interest in trying out everything"}, {727, 604, 492}},
            {"Taurus", {"You are patient and enduring in nature.", "You are very stubborn and inflexible.",
                        "The Bull is very precise about the latest"}, {755, 405, 414}},
            {"Gemini", {"You are very adjusting in nature and have", "You are inconsistent in your performance.",
                        "Geminis typically wear clothes that match their mood"}, {745, 526, 576}},
            {"Cancer", {"You are very sensitive in nature and generally", "You are unstable and very unreliable.",
                        "A Cancerian likes to dress comfortably and doesn't"}, {866, 609, 415}},
            {"Leo", {"You are leaders and have a magnetic personality.", "You have a violent temper.",
                     "You excel at wearing flashy, pricey jewelry."}, {998, 646, 1038}},
            {"Virgo", {"You are very modest by nature.", "Your need for neatness may make them fussy",
                       "Virgo is the eternal perfectionist, and this innate"}, {513, 331, 804}},
            {"Libra", {"You are highly diplomatic individuals.", "You cannot take make decisions for themselves.",
                       "The Libra male or female often has impeccable"}, {717, 366, 655}},
            {"Scorpio", {"You are intense and strong willed people who", "You have a very short temper.",
                         "Scorpios are very particular about their dress sense"}, {702, 536, 527}},
            {"Sagittarius", {"You are a happy go lucky lot with", "You may be too outspoken for your own",
                             "Sagittarians are not particularly concerned about the latest"}, {874, 378, 769}},
            {"Capricorn", {"You are people with a traditional frame of", "You are very rigid in nature and not",
                           "Business suits and power dressing is perhaps what"}, {732, 550, 539}},
            {"Aquarius", {"You are magnetic in nature and people get", "You do not make friends very easily inspite",
                          "Shopping isn't a favorite activity of Aquarians and"}, {754, 655, 576}},
            {"Pisces", {"You are very adjusting, friendly and good- natured",
                        "You want people to sympathize with your personal",
                        "For Pisceans, clothes are their second skin."}, {681, 415, 619}},
        };
        const char *fields[] = {"positive", "negative", "fashion"};
        for (const auto &row : rows) {
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
