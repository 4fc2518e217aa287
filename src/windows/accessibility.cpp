#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>

namespace accessibility {

namespace {

// A one-line text box as Qt 6.4 tells it, but for its text attributes: Qt tells an
// empty run at every offset, and a screen reader speaking a box's text or selection
// by those runs leaves out its last character ("LEE" heard as "LE").
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->displayText() : QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->displayText().size()); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        // One run, without attributes, over the whole text.
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    // Measured from the caret, the one place of the text the box tells.
    QRect characterRect(int offset) const override
    {
        const QString shown = box()->displayText();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.center().x() - metrics.horizontalAdvance(shown.left(box()->cursorPosition()))
                      + metrics.horizontalAdvance(shown.left(offset));
        const QRect character(x, caret.top(), metrics.horizontalAdvance(shown.at(offset)), caret.height());
        return character.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (!box()->isReadOnly())
            box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

// One-line text boxes as above. Qt announces a plain frame and a stack of pages as a
// "frame" and a "layered pane", which a screen reader speaks, unnamed, before each
// control in them, or takes for the window. As a grouping they are passed over in silence.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit *>(widget));
    if (className == QLatin1String("QFrame") || className == QLatin1String("QStackedWidget"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

// How a text box's arrival reaches a screen reader. Qt reports the caret of a box the
// first time it moves, which on the first visit comes before the focus, and a screen
// reader then takes the visit for a silent one: moved home as the box is shown, its
// caret does not move on the first visit. A box holding text selects it all when Tab
// or its shortcut brings the focus, and Qt tells that selection before the focus: a
// screen reader speaks the selection, then the box with its selection again. The box
// here takes the focus as from anywhere else, and selects its text once it holds the focus.
class TextBoxArrival : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::FocusIn)
            return false;
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (!box)
            return false;
        if (event->type() == QEvent::Show) {
            if (box->text().isEmpty())
                box->home(false);
            return false;
        }
        if (box->text().isEmpty() || box->hasSelectedText())
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
            return false;
        QFocusEvent arrival(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(box, &arrival);
        QMetaObject::invokeMethod(box, [box] {
            if (box->hasFocus())
                box->selectAll();
        }, Qt::QueuedConnection);
        return true;
    }
};

} // namespace

void install(QApplication &app)
{
    QAccessible::installFactory(accessibleFor);
    app.installEventFilter(new TextBoxArrival(&app));
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
