#include "windows/signpicture.h"

#include <QTest>

class TestSignPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        for (int number = 1; number <= 12; ++number) {
            const QPixmap picture = signPicture(number, screenScale);
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(number)));
            QCOMPARE(picture.size(), QSize(pixels, pixels));
            QCOMPARE(picture.devicePixelRatio(), pixelRatio);
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(200, 200));
        }
    }

    void numbersOutsideTheListGiveNothing()
    {
        for (int number : {0, -1, 13})
            QVERIFY(signPicture(number, 1).isNull());
    }
};

QTEST_MAIN(TestSignPicture)
#include "tst_signpicture.moc"
