#include "support/testsupport.h"

#include <QLabel>
#include <QTest>

// The menus, the forum banner and the offers the input window and the reading window
// share, and the About window's links: each opens its page on a left click and leaves
// its window up, and tells on its window when no browser comes up.
class TestMenusAndOffersWindow : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlOpensItsPage_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("browserComesUp");
        for (const char *form : {"frmMain", "frmDisplay"}) {
            const std::pair<const char *, QString> controls[] = {
                {"mnuOnline", design::onlineHelpPage()},  {"mnuVisit", design::homePage()},
                {"mnuUpdate", design::updatePage()},      {"mnuDonate", design::donatePage()},
                {"mnumakemoney", design::fullBrandPage()}, {"Label61", design::homePage()},
                {"lblCobrand", design::coBrandPage()},    {"lblFullBrand", design::fullBrandPage()}};
            for (const auto &[control, address] : controls)
                QTest::addRow("%s %s", form, control)
                    << QString::fromLatin1(form) << QString::fromLatin1(control) << address << Qt::LeftButton
                    << true;
        }
        QTest::newRow("frmMain Label2") << QStringLiteral("frmMain") << QStringLiteral("Label2")
                                        << design::fullBrandPage() << Qt::LeftButton << true;
        QTest::newRow("frmAbout lblHomePage") << QStringLiteral("frmAbout") << QStringLiteral("lblHomePage")
                                              << design::homePage() << Qt::LeftButton << true;
        QTest::newRow("frmAbout lblCoBrand") << QStringLiteral("frmAbout") << QStringLiteral("lblCoBrand")
                                             << design::fullBrandPage() << Qt::LeftButton << true;
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::addRow("frmMain Label61 button %d", int(button))
                << QStringLiteral("frmMain") << QStringLiteral("Label61") << QString() << button << true;
        QTest::newRow("frmMain mnuOnline, no browser") << QStringLiteral("frmMain") << QStringLiteral("mnuOnline")
                                                       << design::onlineHelpPage() << Qt::LeftButton << false;
        QTest::newRow("frmDisplay lblCobrand, no browser") << QStringLiteral("frmDisplay")
                                                           << QStringLiteral("lblCobrand") << design::coBrandPage()
                                                           << Qt::LeftButton << false;
    }

    void everyControlOpensItsPage()
    {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, browserComesUp);
        platform->desktop.opens = browserComesUp;
        QWidget *window = &startProgram();
        if (form == QLatin1String("frmDisplay"))
            window = &askForReading(program().inputWindow(), 1, 1);
        else if (form == QLatin1String("frmAbout"))
            window = &windowNamed(form);
        if (auto *entry = window->findChild<QAction *>(name)) {
            choose(entry);
        } else {
            auto *label = control<QLabel>(window, qPrintable(name));
            window->show();
            label->raise();
            QTest::mouseClick(label, button);
        }
        QCOMPARE(platform->desktop.opened, address.isEmpty() ? QStringList() : QStringList{address});
        QCOMPARE(platform->messages.texts(), browserComesUp ? QStringList() : QStringList{
                     QStringLiteral("The page could not be opened in your web browser.")});
        QCOMPARE(platform->messages.owners(), browserComesUp ? QStringList() : QStringList{form});
        QVERIFY(window->isVisible());
    }

    // A link acts on a whole click: pressed on it and released elsewhere, it opens nothing.
    void linkReleasedElsewhereOpensNothing()
    {
        auto *link = control<QLabel>(startProgram(), "Label61");
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(5, 5));
        QVERIFY(platform->desktop.opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(platform->desktop.opened, QStringList{design::homePage()});
    }
};

QTEST_MAIN(TestMenusAndOffersWindow)
#include "tst_menusandofferswindow.moc"
