#include "controls.h"

#include "picturefile.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <limits>

namespace controls {

QFont fontFor(const Style &style)
{
    // A missing face would send every font built from it through the font
    // configuration's fallback search; asking once whether the design's two faces are
    // installed, and keeping the default font where one is not, gives the same face
    // for far less.
    static const QStringList installed = [] {
        // Looked up in the installed families, not through hasFamily(), which also
        // runs each name through the font configuration's substitution.
        const QStringList families = QFontDatabase::families();
        QStringList faces;
        for (const Style &designed : {verdana(0), msSansSerif(0)}) {
            if (families.contains(QLatin1String(designed.face), Qt::CaseInsensitive))
                faces << QLatin1String(designed.face);
        }
        return faces;
    }();
    const QString face = QLatin1String(style.face);
    QFont chosen;
    if (installed.contains(face))
        chosen.setFamilies({face});
    chosen.setPointSizeF(style.points);
    chosen.setBold(style.bold);
    chosen.setUnderline(style.underline);
    return chosen;
}

namespace {

// Each kind of control paints its face with its own palette roles; only those are
// set, so the controls inside a coloured container keep their own colours.
enum class Face { Text, Button, Plain };

Face faceOf(QWidget *control)
{
    if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control))
        return Face::Text;
    if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control))
        return Face::Button;
    return Face::Plain;
}

} // namespace

void setColours(QWidget *control, const QColor &background, const QColor &text)
{
    // In one palette change: each change spreads to every child.
    QPalette palette = control->palette();
    const Face face = faceOf(control);
    if (background.isValid()) {
        switch (face) {
        case Face::Text:
            palette.setColor(QPalette::Base, background);
            break;
        case Face::Button:
            palette.setColor(QPalette::Button, background);
            palette.setColor(QPalette::Base, background);
            break;
        case Face::Plain:
            palette.setColor(QPalette::Window, background);
            control->setAutoFillBackground(true);
            break;
        }
    }
    if (text.isValid()) {
        switch (face) {
        case Face::Text:
            palette.setColor(QPalette::Text, text);
            break;
        case Face::Button:
            palette.setColor(QPalette::ButtonText, text);
            palette.setColor(QPalette::Text, text);
            break;
        case Face::Plain:
            palette.setColor(QPalette::WindowText, text);
            break;
        }
    }
    control->setPalette(palette);
}

void setBackground(QWidget *control, const QColor &colour)
{
    setColours(control, colour, {});
}

void setForeground(QWidget *control, const QColor &colour)
{
    setColours(control, {}, colour);
}

QCursor linkCursor()
{
    static const QCursor cursor(readPicture(QStringLiteral(":/icons/linkhand.png"), "png"), 12, 0);
    return cursor;
}

namespace {

// Screen readers announce a link label as a link that can be pressed.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(Label *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<Label *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<Label *>(widget())->activate();
    }
};

QAccessibleInterface *accessibleLinks(const QString &, QObject *object)
{
    auto *label = qobject_cast<Label *>(object);
    return label && label->isLink() ? new AccessibleLink(label) : nullptr;
}

} // namespace

Label::Label(LabelFlags labelFlags, QWidget *parent) : QLabel(parent), flags(labelFlags)
{
    if (!isLink())
        return;
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleLinks), true);
    Q_UNUSED(factoryInstalled);
    setCursor(linkCursor());
}

void Label::activate()
{
    if (flags & LabelFlag::Clickable)
        Q_EMIT clicked();
}

namespace {

void drawFocusFrame(QWidget *control)
{
    if (!control->hasFocus())
        return;
    QPainter painter(control);
    QStyleOptionFocusRect option;
    option.initFrom(control);
    control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, control);
}

} // namespace

void Label::paintEvent(QPaintEvent *event)
{
    // A label that takes the focus draws its text through a rich-text document, which
    // QLabel builds on its first paint; a link draws the same plain text itself until
    // it first has the focus.
    if (isLink() && !textDocumentNeeded) {
        QPainter painter(this);
        const int textFlags = QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextHideMnemonic
                              | (wordWrap() ? Qt::TextWordWrap : 0);
        style()->drawItemText(&painter, contentsRect(), textFlags, palette(), isEnabled(), text(), foregroundRole());
    } else {
        QLabel::paintEvent(event);
    }
    drawFocusFrame(this);
}

void Label::focusInEvent(QFocusEvent *event)
{
    textDocumentNeeded = true;
    QLabel::focusInEvent(event);
}

void Button::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier) && isEnabled()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Label::setText(const QString &text)
{
    QLabel::setText(text);
    if (!(flags & LabelFlag::SizedToText))
        return;
    const QRect before = geometry();
    const QSize fitted = sizeHint();
    QRect after(before.topLeft(), fitted);
    if (flags & LabelFlag::Centred) {
        if (!centreTwice)
            centreTwice = 2 * before.left() + before.width();
        after.moveLeft((*centreTwice - fitted.width()) / 2);
    }
    setGeometry(after);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
                           || event->key() == Qt::Key_Space;
    if ((flags & LabelFlag::Clickable) && activates) {
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

Label *label(QWidget *container, const char *name, const QString &caption, QRect place,
             const Style &style, const QColor &text, LabelFlags flags, const QColor &background)
{
    auto *control = new Label(flags, container);
    control->setObjectName(QLatin1String(name));
    if (style.face)
        control->setFont(fontFor(style));
    setColours(control, flags & LabelFlag::Transparent ? QColor() : background, text);
    control->setAlignment((flags & LabelFlag::Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    control->setWordWrap(flags.testFlag(LabelFlag::Wraps));
    control->setGeometry(place);
    control->setText(caption);
    // Links come after the other controls in the Tab order, so the keyboard reaches
    // them too. Taken on only now: a label that takes the focus lays its text out
    // through a rich-text document, which it needs only once it has the focus.
    if (control->isLink())
        control->setFocusPolicy(Qt::TabFocus);
    return control;
}

QFrame *panel(QWidget *container, const char *name, QRect place, const QColor &background)
{
    auto *control = new QFrame(container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    setBackground(control, background);
    return control;
}

QGroupBox *groupBox(QWidget *container, const char *name, const QString &caption, QRect place,
                    const Style &style, const QColor &background, const QColor &text)
{
    auto *control = new QGroupBox(container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    control->setFont(fontFor(style));
    setColours(control, background, text);
    // Given after the font, so that it is measured once, in its own font.
    control->setTitle(caption);
    // Qt would name a frame inside another by the outer frame's caption.
    control->setAccessibleName(caption);
    return control;
}

QLineEdit *textBox(QWidget *container, const char *name, const QString &text, QRect place)
{
    auto *control = new QLineEdit(text, container);
    control->setObjectName(QLatin1String(name));
    // No limit of length: Qt would cut what is typed or pasted at 32,767 characters.
    control->setMaxLength(std::numeric_limits<int>::max());
    control->setGeometry(place);
    return control;
}

namespace {

class ReadingBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    // Without a caret, Home and End would go nowhere; they go to the top and the
    // bottom, with Control or without, as the arrows and Page Up and Down scroll.
    void keyPressEvent(QKeyEvent *event) override
    {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const bool plain = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
        if (plain && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
            verticalScrollBar()->triggerAction(event->key() == Qt::Key_Home ? QAbstractSlider::SliderToMinimum
                                                                            : QAbstractSlider::SliderToMaximum);
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

} // namespace

QPlainTextEdit *readingBox(QWidget *container, const char *name, QRect place)
{
    auto *control = new ReadingBox(container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    control->setReadOnly(true);
    // The reading's texts stay in the program: no selection, no copy, no context
    // menu, no drag. The box still scrolls by wheel, scroll bar and keyboard.
    control->setTextInteractionFlags(Qt::NoTextInteraction);
    control->setContextMenuPolicy(Qt::NoContextMenu);
    control->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    control->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    control->setFocusPolicy(Qt::StrongFocus);
    control->setTabChangesFocus(true);
    return control;
}

QComboBox *dropDownList(QWidget *container, const char *name, QRect place)
{
    auto *control = new QComboBox(container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

QPushButton *button(QWidget *container, const char *name, const QString &caption, QRect place,
                    const Style &style)
{
    auto *control = new Button(caption, container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    control->setAutoDefault(false);
    if (style.face)
        control->setFont(fontFor(style));
    return control;
}

QLabel *pictureBox(QWidget *container, const char *name, QRect place)
{
    // A label of ours, so that it shows when it has the keyboard focus.
    auto *control = new Label({}, container);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setFocusPolicy(Qt::TabFocus);
    return control;
}

QMenu *menuTitle(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *menuEntry(QWidget *menu, const char *name, const QString &caption)
{
    auto *entry = new QAction(caption, menu);
    entry->setObjectName(QLatin1String(name));
    menu->addAction(entry);
    return entry;
}

QAction *menuSeparator(QMenu *menu, const char *name)
{
    QAction *line = menu->addSeparator();
    line->setObjectName(QLatin1String(name));
    return line;
}

void setTabChain(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace controls

#include "controls.moc"
