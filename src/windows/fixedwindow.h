#pragma once

#include <QWidget>

class QMenuBar;

enum class MenuBar { None, Shown };

// Makes a window one of the program's: fixed in size, so without a maximise button,
// captioned with the program's name and version, with the program's icon, and centred
// when it first shows, on the screen, or over its parent for a dialog (later showings
// leave it where the user put it). Its controls live on the client area, below the
// menu bar when it has one. Sizes are in twips.
class WindowFrame : public QObject
{
    Q_OBJECT

public:
    WindowFrame(QWidget &window, const char *name, QSize clientTwips, MenuBar menuBar);

    QWidget *clientArea() const { return client; }
    QMenuBar *menuBar() const { return menus; }

    // Places the window on its first showing, before it is on the screen; the
    // window's setVisible() calls it first.
    void placeBeforeShowing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre();

    QWidget &window;
    QWidget *client;
    QMenuBar *menus = nullptr;
    bool placed = false;
    bool placedByFrame = false;
};

// A window of the program that is no dialog.
class FixedWindow : public QWidget
{
    Q_OBJECT

public:
    FixedWindow(const char *name, QSize clientTwips, MenuBar menuBar, QWidget *parent = nullptr);

    QWidget *clientArea() const { return frame.clientArea(); }
    QMenuBar *menuBar() const { return frame.menuBar(); }

    void setVisible(bool visible) override;

private:
    WindowFrame frame;
};

// The program's icon, in the sizes a title bar takes at scale 1 and 2.
QIcon programIcon();
