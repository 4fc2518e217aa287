#pragma once

#include "controls.h"
#include "shell/form.h"

class QFrame;
class QLabel;
class QPushButton;

// The About window: the program's name, what it does, and two links. Shown modal.
class frmAbout : public Form
{
    Q_OBJECT

public:
    frmAbout();

    QLabel *Picture1;
    controls::Label *Label2;
    controls::Label *Label1;
    controls::Label *lblHomePage;
    controls::Label *Label3;
    controls::Label *lblCoBrand;
    QFrame *Line1;
    QPushButton *cmdOK;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void bindCommands();
};
