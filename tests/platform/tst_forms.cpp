#include "platform/forms.h"
#include "support/design.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <QTimer>

namespace {

// A window whose load and close handlers count their runs.
class CountingForm : public Form
{
    Q_OBJECT

public:
    CountingForm() : Form("frmCounting", {100, 100}, false)
    {
        box = new QLineEdit(QStringLiteral("design"), clientArea());
        ++created;
    }
    void onLoad() override { ++loads; loadedWhileVisible = isVisible(); }
    void onUnload() override { ++unloads; }

    QLineEdit *box;
    static inline int created = 0;
    static inline int loads = 0;
    static inline int unloads = 0;
    static inline bool loadedWhileVisible = false;
};

class OtherForm : public Form
{
    Q_OBJECT

public:
    OtherForm() : Form("frmOther", {200, 100}, true) {}
};

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        CountingForm::created = CountingForm::loads = CountingForm::unloads = 0;
    }

    void cleanup()
    {
        for (Form *form : Forms::loaded())
            form->close();
        settle();
        QVERIFY(Forms::loaded().isEmpty());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void firstUseLoadsOnce()
    {
        QVERIFY(!Forms::find<CountingForm>());
        CountingForm &form = Forms::load<CountingForm>();
        QCOMPARE(&Forms::load<CountingForm>(), &form);
        QCOMPARE(CountingForm::created, 1);
        QCOMPARE(CountingForm::loads, 1);
        QVERIFY(!form.isVisible());
    }

    void showLoadsThenShows()
    {
        Forms::show<CountingForm>();
        QVERIFY(!CountingForm::loadedWhileVisible);
        QVERIFY(Forms::load<CountingForm>().isVisible());
        Forms::load<CountingForm>().hide();
        QVERIFY(!Forms::load<CountingForm>().isVisible());
        QCOMPARE(CountingForm::loads, 1);
    }

    void hiddenWindowKeepsItsContents()
    {
        Forms::show<CountingForm>();
        Forms::load<CountingForm>().box->setText(QStringLiteral("typed"));
        Forms::load<CountingForm>().hide();
        Forms::show<CountingForm>();
        QCOMPARE(Forms::load<CountingForm>().box->text(), QStringLiteral("typed"));
    }

    void unloadDiscardsAndNextUseBuildsAfresh()
    {
        Forms::show<CountingForm>();
        QPointer<CountingForm> first = &Forms::load<CountingForm>();
        first->box->setText(QStringLiteral("typed"));
        Forms::unload<CountingForm>();
        QCOMPARE(CountingForm::unloads, 1);
        QVERIFY(!Forms::find<CountingForm>());
        settle();
        QVERIFY(first.isNull());

        CountingForm &second = Forms::load<CountingForm>();
        QCOMPARE(second.box->text(), QStringLiteral("design"));
        QCOMPARE(CountingForm::loads, 2);
    }

    void closeBoxRunsTheCloseHandlerOfAHiddenWindowToo()
    {
        Forms::load<CountingForm>().hide();
        Forms::load<CountingForm>().close();
        QCOMPARE(CountingForm::unloads, 1);
        QVERIFY(!Forms::find<CountingForm>());
    }

    void loadedWindowsInCreationOrder()
    {
        Forms::load<OtherForm>().hide();
        Forms::show<CountingForm>();
        QCOMPARE(Forms::loaded(), (QList<Form *>{&Forms::load<OtherForm>(), &Forms::load<CountingForm>()}));
        Forms::unload<OtherForm>();
        QCOMPARE(Forms::loaded(), QList<Form *>{&Forms::load<CountingForm>()});
        Forms::load<OtherForm>().hide();
        QCOMPARE(Forms::loaded().last(), &Forms::load<OtherForm>());
    }

    void modalReturnsOnlyWhenClosedAndBlocksOthers()
    {
        Forms::show<OtherForm>();
        bool sawModal = false;
        QTimer::singleShot(0, [&sawModal] {
            auto *modal = Forms::find<CountingForm>();
            sawModal = modal && modal->isVisible() && QApplication::activeModalWidget() == modal
                       && QApplication::modalWindow() != nullptr;
            QVERIFY(Forms::find<OtherForm>());
            // A dialog of the window it was opened from, over it.
            QCOMPARE(modal->windowType(), Qt::Dialog);
            QCOMPARE(modal->parentWidget(), Forms::find<OtherForm>());
            QCOMPARE(modal->windowHandle()->transientParent(), Forms::find<OtherForm>()->windowHandle());
            QCOMPARE(modal->frameGeometry().center(), Forms::find<OtherForm>()->frameGeometry().center());
            modal->close();
        });
        Forms::showModal<CountingForm>(Forms::find<OtherForm>());
        QVERIFY(sawModal);
        QVERIFY(!Forms::find<CountingForm>());
        QCOMPARE(CountingForm::unloads, 1);
    }

    void windowsAreFixedCaptionedAndCentred()
    {
        OtherForm &form = Forms::load<OtherForm>();
        form.show();
        QCOMPARE(form.windowTitle(), design::titleWithVersion());
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.clientArea()->size(), QSize(200, 100));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        // Neither maximised nor full screen, even when a decoration offers it.
        const QSize fixed = form.size();
        for (const Qt::WindowState enlarged : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            form.setWindowState(enlarged);
            QTRY_COMPARE(form.windowState(), Qt::WindowNoState);
            QCOMPARE(form.size(), fixed);
        }
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Centred up to the window frame, which the platform adds after placing.
        const QPoint offset = form.frameGeometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 8, qPrintable(QString::number(offset.manhattanLength())));
    }

    void aWindowShownAgainStaysWhereTheUserPutIt()
    {
        OtherForm &form = Forms::load<OtherForm>();
        form.show();
        const QPoint moved = form.pos() + QPoint(37, 23);
        form.move(moved);
        form.hide();
        form.show();
        QCOMPARE(form.pos(), moved);
    }

    void theLoadListenerHearsEachWindowOnceLoaded()
    {
        QStringList heard;
        Forms::setLoadListener([&heard](Form &form) {
            heard << form.objectName() + (CountingForm::loads == 1 ? QLatin1String(" loaded") : QLatin1String(""));
        });
        Forms::load<CountingForm>();
        Forms::load<CountingForm>();
        Forms::show<OtherForm>();
        Forms::setLoadListener(nullptr);
        QCOMPARE(heard, (QStringList{QStringLiteral("frmCounting loaded"), QStringLiteral("frmOther loaded")}));
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
