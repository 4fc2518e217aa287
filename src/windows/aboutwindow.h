#pragma once

#include "core/website.h"
#include "fixedwindow.h"

#include <QDialog>

// The About window: the program's name, what it does, and two links. A modal dialog
// of the window it was opened from; OK (or Enter or Escape) closes it.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent);

    void setVisible(bool visible) override;

signals:
    void pageRequested(WebPage page);

private:
    void buildControls();

    WindowFrame frame;
};
