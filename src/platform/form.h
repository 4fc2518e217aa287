#pragma once

#include <QWidget>

class QMenuBar;

// A window of the program: fixed size, so without a maximise button, captioned with
// the program's name and version, centred on the screen when it first opens (a
// dialog over the window it belongs to; later showings leave it where the user put
// it). Its controls live on the client area, below the menu bar when it has one.
// Windows come and go through Forms, never directly.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const char *name, QSize clientSize, bool withMenuBar);

    QWidget *clientArea() const { return client; }
    QMenuBar *menuBar() const { return menus; }

    void setVisible(bool visible) override;

    // Makes the window a dialog of owner's window: it stands over it, and window
    // managers and screen readers know whose it is.
    void belongTo(QWidget *owner);

    // Runs once, after the controls exist and before the first use proceeds.
    virtual void onLoad() {}
    // Runs when the window closes, whoever closes it. Closing is never cancelled.
    virtual void onUnload() {}

signals:
    void unloaded();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void centre();

    QWidget *client;
    QMenuBar *menus = nullptr;
    bool placed = false;
    bool placedByFrame = false;
};
