#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>

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

// Qt reports the caret of a text box the first time it moves, which on the first visit
// comes before the focus, and a screen reader then takes the visit for a silent one.
// Moved home as the box is shown, its caret does not move on the first visit.
class CaretReporter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QLineEdit *>(watched); box && box->text().isEmpty())
                box->home(false);
        }
        return false;
    }
};

} // namespace

void install(QApplication &app)
{
    QAccessible::installFactory(groupingFor);
    app.installEventFilter(new CaretReporter(&app));
}

void reportCurrentItem(QComboBox *list)
{
    list->setAccessibleDescription(list->currentText());
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setAccessibleDescription);
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int row) {
        QAccessibleEvent focus(list->view(), QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    });
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

void refreshPagesAsShown(QTabWidget *tabs)
{
    // Qt 6.4 tells only "showing" as a page comes up, and the reader keeps "visible"
    // unset from its first look. The page and its labels, given a new identity, are
    // looked at afresh; the controls that take the focus keep theirs, and the reader
    // its place.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs](int index) {
        QWidget *page = tabs->widget(index);
        QList<QWidget *> stale{page};
        for (QLabel *label : page->findChildren<QLabel *>()) {
            if (label->focusPolicy() == Qt::NoFocus)
                stale << label;
        }
        for (QWidget *widget : stale) {
            if (QAccessibleInterface *old = QAccessible::queryAccessibleInterface(widget))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
        }
    });
}

} // namespace accessibility

#include "accessibility.moc"
