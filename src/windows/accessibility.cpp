#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace accessibility {

namespace {

// Qt announces a plain frame and a stack of pages as a "frame" and a "layered pane",
// which a screen reader speaks, unnamed, before each control in them, or takes for
// the window. As a grouping they are passed over in silence.
QAccessibleInterface *groupingFor(const QString &className, QObject *object)
{
    if (className != QLatin1String("QFrame") && className != QLatin1String("QStackedWidget"))
        return nullptr;
    auto *widget = qobject_cast<QWidget *>(object);
    return widget ? new QAccessibleWidget(widget, QAccessible::Grouping) : nullptr;
}

class ShowReporter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool shown = event->type() == QEvent::Show;
        if ((!shown && event->type() != QEvent::Hide) || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        // Qt reports the caret of a box the first time it moves, which on the first visit
        // comes before the focus, and a screen reader then takes the visit for a silent
        // one: reported now, it does not move then.
        if (auto *box = qobject_cast<QLineEdit *>(widget); shown && box && box->text().isEmpty())
            box->home(false);
        // A window or a tab's page: Qt reports it shown or hidden, but not the controls
        // that go with it, and a screen reader would pass over those shown and read those
        // hidden. Reported once the showing or hiding is done.
        const bool page = qobject_cast<QStackedWidget *>(widget->parentWidget()) != nullptr;
        if (QAccessible::isActive() && (widget->isWindow() || page))
            QTimer::singleShot(0, widget, [widget, shown] { report(widget, shown); });
        return false;
    }

private:
    static void report(QWidget *top, bool shown)
    {
        QList<QWidget *> controls = top->findChildren<QWidget *>();
        controls.prepend(top);
        for (QWidget *control : std::as_const(controls)) {
            if ((control == top || !control->isWindow()) && control->isVisible() == shown) {
                QAccessibleEvent changed(control, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
                QAccessible::updateAccessibility(&changed);
            }
        }
    }
};

} // namespace

void install(QApplication &app)
{
    QAccessible::installFactory(groupingFor);
    app.installEventFilter(new ShowReporter(&app));
}

void reportCurrentItem(QComboBox *list)
{
    list->setAccessibleDescription(list->currentText());
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setAccessibleDescription);
}

void switchTabsFromWindow(QTabWidget *tabs)
{
    const auto step = [tabs](int by) {
        tabs->setCurrentIndex((tabs->currentIndex() + by + tabs->count()) % tabs->count());
    };
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1}, {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}, {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto &[key, by] : keys) {
        auto *shortcut = new QShortcut(key, tabs->window());
        QObject::connect(shortcut, &QShortcut::activated, tabs, [step, by = by] { step(by); });
    }
}

} // namespace accessibility

#include "accessibility.moc"
