#include "windows/signpicturelist.h"

#include <QTest>

class TestSignPictureList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysInCatalogueOrder()
    {
        const SignPictureList list;
        QCOMPARE(list.count(), 12);
        QCOMPARE(list.key(1), QStringLiteral("Aries.jpg"));
        QCOMPARE(list.key(5), QStringLiteral("Leo.jpg"));
        QCOMPARE(list.key(12), QStringLiteral("Pisces.jpg"));
    }

    void everyPictureDecodes()
    {
        const SignPictureList list;
        for (int number = 1; number <= list.count(); ++number) {
            const QPixmap picture = list.picture(number);
            QVERIFY2(!picture.isNull(), qPrintable(list.key(number)));
            QCOMPARE(picture.size(), QSize(200, 200));
        }
    }

    void numbersOutsideTheListGiveNothing()
    {
        const SignPictureList list;
        for (int number : {0, -1, 13}) {
            QVERIFY(list.key(number).isEmpty());
            QVERIFY(list.picture(number).isNull());
        }
    }
};

QTEST_MAIN(TestSignPictureList)
#include "tst_signpicturelist.moc"
