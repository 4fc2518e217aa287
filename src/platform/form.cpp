#include "form.h"

#include "core/programinfo.h"
#include "forms.h"
#include "picturefile.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Fixed in size, so no maximise button.
constexpr Qt::WindowFlags windowButtons = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Screen readers announce each window as a window, or a dialog, not as a filler.
QAccessibleInterface *accessibleWindows(const QString &, QObject *object)
{
    auto *form = qobject_cast<Form *>(object);
    if (!form || !form->isWindow())
        return nullptr;
    return new QAccessibleWidget(form, form->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

} // namespace

Form::Form(const char *name, QSize clientSize, bool withMenuBar)
    : QWidget(nullptr, Qt::Window | windowButtons | Qt::WindowMinimizeButtonHint)
    , client(new QWidget(this))
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleWindows), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QLatin1String(name));
    // Tells the windows apart on the desktop, where they all share one caption.
    setWindowRole(QLatin1String(name));
    setWindowTitle(programTitleWithVersion());
    static const QIcon icon = [] {
        QIcon sizes;
        for (const int size : {VESTASTRA_WINDOW_ICON_SIZES})
            sizes.addPixmap(readPicture(QStringLiteral(":/icons/vestastra-%1.png").arg(size), "png"));
        return sizes;
    }();
    setWindowIcon(icon);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window takes exactly the size of its menu bar and client area: no resizing.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (withMenuBar) {
        menus = new QMenuBar(this);
        menus->setNativeMenuBar(false);
        layout->setMenuBar(menus);
    }
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(clientSize);
    layout->addWidget(client);
}

void Form::belongTo(QWidget *owner)
{
    setParent(owner->window(), Qt::Dialog | windowButtons);
}

void Form::setVisible(bool visible)
{
    if (visible && !placed) {
        placed = true;
        adjustSize();
        centre();
    }
    QWidget::setVisible(visible);
}

bool Form::event(QEvent *event)
{
    // A window manager frames a window only once it is up, and keeps the place asked
    // for as the frame's: the window is centred again once, by its frame.
    if (event->type() == QEvent::Move && !placedByFrame && windowHandle()
        && !windowHandle()->frameMargins().isNull()) {
        placedByFrame = true;
        centre();
    }
    return QWidget::event(event);
}

void Form::changeEvent(QEvent *event)
{
    // Some decorations (Qt's own on Wayland) offer to maximise whatever buttons the
    // window asks for: a window of fixed size keeps its size.
    constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (windowState() & enlarged))
        setWindowState(windowState() & ~enlarged);
    QWidget::changeEvent(event);
}

void Form::centre()
{
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void Form::closeEvent(QCloseEvent *event)
{
    // Forget the window first, so that anything the close handler touches gets
    // this instance no more, and the next use builds a fresh one.
    Forms::forget(this);
    onUnload();
    event->accept();
    deleteLater();
    emit unloaded();
}
