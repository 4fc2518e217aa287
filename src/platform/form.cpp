#include "form.h"

#include "core/programinfo.h"
#include "forms.h"
#include "picturefile.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

Form::Form(const char *name, QSize clientSize, bool withMenuBar)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , client(new QWidget(this))
{
    setObjectName(QLatin1String(name));
    // Tells the windows apart on the desktop, where they all share one caption.
    setWindowRole(QLatin1String(name));
    setWindowTitle(programTitleWithVersion());
    static const QIcon icon(readPicture(QStringLiteral(":/icons/vestastra.png"), "png"));
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

void Form::setVisible(bool visible)
{
    if (visible && !placed) {
        placed = true;
        centreOnScreen();
    }
    QWidget::setVisible(visible);
}

void Form::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
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
