#pragma once

#include "controls.h"
#include "reading/signpicturelist.h"
#include "shell/form.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

// The input window: the user's names and date of birth, and the reading command.
class frmMain : public Form
{
    Q_OBJECT

public:
    frmMain();

    void onLoad() override;
    void onUnload() override;

    bool ValidateEntries();

    QFrame *Frame2;
    controls::Label *Label61;
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
    QFrame *Frame5;
    controls::Label *lblCobrand;
    controls::Label *lblFullBrand;
    SignPictureList IMGSunsignList;
    QPushButton *cmdExit;

    QMenu *nuFile;
    QAction *mnuNext;
    QAction *mnuExit;
    QMenu *mnuHelp;
    QAction *mnuOnline;
    QAction *mnuVisit;
    QAction *mnuFileSep1;
    QAction *mnuUpdate;
    QAction *mnuFileSep2;
    QAction *mnuAbout;
    QAction *mnuDonate;
    QAction *mnumakemoney;

private:
    void buildControls();
    void buildMenus();
    void bindCommands();
};
