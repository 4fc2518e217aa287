#pragma once

#include "platform/form.h"

class QPushButton;

// The About window: the program's name, what it does, and two links. Shown modal.
class AboutWindow : public Form
{
    Q_OBJECT

public:
    AboutWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();

    QPushButton *okButton = nullptr;
};
