#pragma once

#include <QWidget>

class QMenuBar;

// A window of the program: fixed size, captioned with the program's name and
// version, centred on the screen when it first opens (later showings leave it where
// the user put it). Its controls live on the client area, below the
// menu bar when it has one. Windows come and go through Forms, never directly.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const char *name, QSize clientSize, bool withMenuBar);

    QWidget *clientArea() const { return client; }
    QMenuBar *menuBar() const { return menus; }

    void setVisible(bool visible) override;

    // Runs once, after the controls exist and before the first use proceeds.
    virtual void onLoad() {}
    // Runs when the window closes, whoever closes it. Closing is never cancelled.
    virtual void onUnload() {}

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOnScreen();

    QWidget *client;
    QMenuBar *menus = nullptr;
    bool placed = false;
};
