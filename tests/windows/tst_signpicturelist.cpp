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

    // Each picture fills the 200 x 200 picture box, drawn at twice the size on a screen
    // scaled by more than 1, so it stays sharp there.
    void everyPictureDecodes_data()
    {
        QTest::addColumn<qreal>("screenScale");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<qreal>("pixelRatio");
        QTest::newRow("scale 1") << 1.0 << 200 << 1.0;
        QTest::newRow("scale 1.5") << 1.5 << 400 << 2.0;
        QTest::newRow("scale 2") << 2.0 << 400 << 2.0;
    }

    void everyPictureDecodes()
    {
        QFETCH(qreal, screenScale);
        QFETCH(int, pixels);
        QFETCH(qreal, pixelRatio);
        const SignPictureList list;
        for (int number = 1; number <= list.count(); ++number) {
            const QPixmap picture = list.picture(number, screenScale);
            QVERIFY2(!picture.isNull(), qPrintable(list.key(number)));
            QCOMPARE(picture.size(), QSize(pixels, pixels));
            QCOMPARE(picture.devicePixelRatio(), pixelRatio);
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(200, 200));
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
