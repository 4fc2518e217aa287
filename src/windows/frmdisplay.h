#pragma once

#include "mainform.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The reading window: the sign's profile on one tab, its fashion profile on the other.
class frmDisplay : public MainForm
{
    Q_OBJECT

public:
    frmDisplay();

    void onUnload() override;

    QTabWidget *SSTab1;

    QFrame *Frame4;
    controls::Label *Label15;
    controls::Label *lblSunSign;
    controls::Label *Label23;
    controls::Label *lblSunSignNumber;
    controls::Label *Label11;
    controls::Label *lblSunSignElement;
    controls::Label *Label21;
    controls::Label *lblSunSignDay;
    controls::Label *Label27;
    controls::Label *lblSunSignBirthStone;
    controls::Label *Label17;
    controls::Label *lblSunSignCompatibility;
    QLabel *picSunSign;
    controls::Label *Label13;
    QPlainTextEdit *txtSunSignPositiveTraits;
    controls::Label *Label10;
    QPlainTextEdit *txtSunSignNegativeTraits;

    QFrame *Frame3;
    controls::Label *Label4;
    controls::Label *lblBoldness;
    controls::Label *Label7;
    controls::Label *lblColorful;
    controls::Label *Label8;
    controls::Label *lblCustomMade;
    controls::Label *Label6;
    controls::Label *lblTraditional;
    controls::Label *Label9;
    controls::Label *lblFrilly;
    controls::Label *Label2;
    controls::Label *lblPreferredColors;
    controls::Label *Label3;
    controls::Label *lblUndesirableColors;
    controls::Label *Label5;
    QPlainTextEdit *txtFashionCharacteristics;

    QPushButton *cmdBack;

    QMenu *mnuFile;
    QAction *mnuBack;
    QAction *mnuExit;

private:
    void back();
    void buildControls();
    void buildSunSignPage();
    void buildFashionPage();
    void buildMenus();
    void bindCommands();
};
