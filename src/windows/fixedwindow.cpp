#include "fixedwindow.h"

#include "core/programinfo.h"
#include "picturefile.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QGuiApplication>
#include <QIconEngine>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <map>

namespace {

// Fixed in size, so no maximise button.
constexpr Qt::WindowFlags windowButtons = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Screen readers announce each window as a window, not as a filler; Qt announces a
// dialog as a dialog.
QAccessibleInterface *accessibleWindows(const QString &, QObject *object)
{
    auto *window = qobject_cast<FixedWindow *>(object);
    return window && window->isWindow() ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

// The program's icon, each size decoded when first asked for: the platforms that show
// no window icon (Wayland's, the offscreen one) never pay for decoding it.
class ProgramIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest size drawn that covers the one asked for, else the largest.
        const QList<QSize> sizes = drawnSizes();
        const auto covering = std::find_if(sizes.cbegin(), sizes.cend(), [size](QSize drawn) {
            return drawn.width() >= size.width() && drawn.height() >= size.height();
        });
        const int side = (covering == sizes.cend() ? sizes.constLast() : *covering).width();
        QPixmap &picture = decoded[side];
        if (picture.isNull())
            picture = readPicture(QStringLiteral(":/icons/vestastra-%1.png").arg(side), "png");
        return picture.size() == size ? picture : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return drawnSizes(); }
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }

private:
    static QList<QSize> drawnSizes()
    {
        QList<QSize> sizes;
        for (const int side : {VESTASTRA_WINDOW_ICON_SIZES})
            sizes << QSize(side, side);
        return sizes;
    }

    std::map<int, QPixmap> decoded;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

WindowFrame::WindowFrame(QWidget &frameWindow, const char *name, QSize clientTwips, MenuBar menuBar)
    : QObject(&frameWindow), window(frameWindow), client(new QWidget(&frameWindow))
{
    const bool dialog = qobject_cast<QDialog *>(&window) != nullptr;
    window.setWindowFlags((dialog ? Qt::Dialog : Qt::Window | Qt::WindowMinimizeButtonHint) | windowButtons);
    window.setObjectName(QLatin1String(name));
    // Tells the windows apart on the desktop, where they all share one caption.
    window.setWindowRole(QLatin1String(name));
    window.setWindowTitle(programTitleWithVersion());
    static const QIcon icon = programIcon();
    window.setWindowIcon(icon);

    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window takes exactly the size of its menu bar and client area: no resizing.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (menuBar == MenuBar::Shown) {
        menus = new QMenuBar(&window);
        menus->setNativeMenuBar(false);
        layout->setMenuBar(menus);
    }
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips::size(clientTwips));
    layout->addWidget(client);
    window.installEventFilter(this);
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window)
        return false;
    switch (event->type()) {
    case QEvent::Move:
        // A window manager frames a window only once it is up, and keeps the place
        // asked for as the frame's: the window is centred again once, by its frame.
        if (!placedByFrame && window.windowHandle() && !window.windowHandle()->frameMargins().isNull()) {
            placedByFrame = true;
            centre();
        }
        break;
    case QEvent::WindowStateChange: {
        // Some decorations (Qt's own on Wayland) offer to maximise whatever buttons the
        // window asks for: a window of fixed size keeps its size.
        constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (window.windowState() & enlarged)
            window.setWindowState(window.windowState() & ~enlarged);
        break;
    }
    default:
        break;
    }
    return false;
}

void WindowFrame::placeBeforeShowing()
{
    if (placed)
        return;
    placed = true;
    window.adjustSize();
    centre();
}

void WindowFrame::centre()
{
    QRect area;
    if (window.parentWidget())
        area = window.parentWidget()->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame(QPoint(), window.frameGeometry().size());
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

FixedWindow::FixedWindow(const char *name, QSize clientTwips, MenuBar menuBar, QWidget *parent)
    : QWidget(parent), frame(*this, name, clientTwips, menuBar)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleWindows), true);
    Q_UNUSED(factoryInstalled);
}

void FixedWindow::setVisible(bool visible)
{
    if (visible)
        frame.placeBeforeShowing();
    QWidget::setVisible(visible);
    // A window that is shown takes the keyboard: under a window manager it would be
    // given it, without one nothing else gives it.
    if (visible)
        activateWindow();
}
