#include "support/design.h"
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
            const QPixmap picture = signPicture(Sign(number - 1), screenScale);
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(number)));
            QCOMPARE(picture.size(), QSize(pixels, pixels));
            QCOMPARE(picture.devicePixelRatio(), pixelRatio);
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(200, 200));
        }
    }

    // Each sign shows the picture drawn for it, kept under the sign's name.
    void eachSignHasItsOwnPicture()
    {
        for (const design::Sign &sign : design::signs) {
            const QImage drawn(QStringLiteral(RESOURCES_DIR "/signs/") + QLatin1String(sign.name)
                               + QLatin1String(".jpg"));
            QVERIFY2(!drawn.isNull(), sign.name);
            QCOMPARE(signPicture(Sign(sign.picture - 1), 1).toImage().convertToFormat(QImage::Format_RGB32),
                     drawn.convertToFormat(QImage::Format_RGB32));
        }
    }
};

QTEST_MAIN(TestSignPicture)
#include "tst_signpicture.moc"
