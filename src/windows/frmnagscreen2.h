#pragma once

#include "controls.h"
#include "shell/form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The exit screen: a word of support, links to the maker's site and the
// refer-a-friend form. Closing it ends the program.
class frmNagScreen2 : public Form
{
    Q_OBJECT

public:
    frmNagScreen2();

    // The four support messages, one of which the window shows.
    static QString supportMessage(int number);

    QLabel *Picture1;
    controls::Label *Label1;
    controls::Label *Label2;
    QPushButton *Check1;
    QPushButton *cmdClose;
    QGroupBox *Frame2;
    QLineEdit *txtName;
    QLineEdit *txtEmail;
    QLineEdit *txtFriendName;
    QLineEdit *txtFriendEmail;
    QPushButton *cmdSubmit;
    QPlainTextEdit *txtMessage;
    QGroupBox *Frame6;
    controls::Label *Label3;
    controls::Label *lblGoToHome;

private:
    void buildControls();
};
