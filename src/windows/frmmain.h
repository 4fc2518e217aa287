#pragma once

#include "mainform.h"
#include "reading/signpicturelist.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

// The input window: the user's names and date of birth, and the reading command.
class frmMain : public MainForm
{
    Q_OBJECT

public:
    frmMain();

    void onLoad() override;
    void onUnload() override;

    bool ValidateEntries();

    controls::Label *Label2;
    QGroupBox *fraName;
    QGroupBox *Frame1;
    controls::Label *Label1;
    controls::Label *Label4;
    controls::Label *Label5;
    QLineEdit *txtFirstName;
    QLineEdit *txtMiddleName;
    QLineEdit *txtLastName;
    QGroupBox *fraBirthDay;
    QComboBox *cboMonth;
    QComboBox *cboDate;
    QComboBox *cboYear;
    QPushButton *cmdNext;
    SignPictureList IMGSunsignList;
    QPushButton *cmdExit;

    QMenu *nuFile;
    QAction *mnuNext;
    QAction *mnuExit;

private:
    void buildControls();
    void buildMenus();
    void bindCommands();
};
