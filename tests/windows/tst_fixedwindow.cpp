#include "support/design.h"
#include "windows/fixedwindow.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestFixedWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void windowsAreFixedCaptionedAndCentred()
    {
        FixedWindow window("frmOther", {3000, 1500}, MenuBar::Shown);
        window.show();
        QCOMPARE(window.objectName(), QStringLiteral("frmOther"));
        QCOMPARE(window.windowTitle(), design::titleWithVersion());
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.clientArea()->size(), QSize(200, 100));
        QVERIFY(window.menuBar());
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        // Neither maximised nor full screen, even when a decoration offers it.
        const QSize fixed = window.size();
        for (const Qt::WindowState enlarged : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window.setWindowState(enlarged);
            QTRY_COMPARE(window.windowState(), Qt::WindowNoState);
            QCOMPARE(window.size(), fixed);
        }
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Centred up to the window frame, which the platform adds after placing.
        const QPoint offset = window.frameGeometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 8, qPrintable(QString::number(offset.manhattanLength())));
    }

    // Each size of the window's icon must be the very picture drawn for it.
    void iconsAreThePicturesDrawnForThem()
    {
        const QIcon icon = FixedWindow("frmOther", {3000, 1500}, MenuBar::None).windowIcon();
        for (const int side : {16, 32, 48, 64}) {
            const QImage drawn(QStringLiteral(RESOURCES_DIR "/icons/vestastra-%1.png").arg(side));
            QVERIFY(!drawn.isNull());
            const QImage carried = icon.pixmap(side, side).toImage();
            QCOMPARE(carried.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    void aWindowShownAgainStaysWhereTheUserPutIt()
    {
        FixedWindow window("frmOther", {3000, 1500}, MenuBar::None);
        window.show();
        const QPoint moved = window.pos() + QPoint(37, 23);
        window.move(moved);
        window.hide();
        window.show();
        QCOMPARE(window.pos(), moved);
    }

    // A dialog of the window it was opened from: modal, over it and tied to it.
    void dialogOpensOverItsWindow()
    {
        FixedWindow owner("frmOther", {3000, 1500}, MenuBar::None);
        owner.show();
        QDialog dialog(&owner);
        WindowFrame frame(dialog, "frmDialog", {1500, 750}, MenuBar::None);
        bool checked = false;
        QTimer::singleShot(0, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
            QCOMPARE(dialog.windowType(), Qt::Dialog);
            QCOMPARE(dialog.windowHandle()->transientParent(), owner.windowHandle());
            QCOMPARE(dialog.frameGeometry().center(), owner.frameGeometry().center());
            checked = true;
            dialog.accept();
        });
        dialog.exec();
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestFixedWindow)
#include "tst_fixedwindow.moc"
