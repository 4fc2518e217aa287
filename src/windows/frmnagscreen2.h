#pragma once

#include "controls.h"
#include "shell/form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Placeholder boxes: entering a box that holds just its placeholder (spaces aside)
// empties it; leaving it empty puts the placeholder back.
bool clearsPlaceholder(const QString &text, const QString &placeholder);
bool restoresPlaceholder(const QString &text);

// The first problem with the two e-mail addresses (already trimmed of spaces), or
// an empty text when they may be sent.
QString emailProblem(const QString &email, const QString &friendEmail);

// The exit screen: a word of support, links to the maker's site and the
// refer-a-friend form. Closing it ends the program.
class frmNagScreen2 : public Form
{
    Q_OBJECT

public:
    frmNagScreen2();

    void onLoad() override;
    void onUnload() override;

    // The message box's text with its line breaks as CR LF.
    QString messageText() const;

    // The first stage of ending, when a main window closes: the exit screen comes up
    // and the program runs on until it is closed.
    static void takeOver();

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
    void bindCommands();
    void submit();
    void check1Clicked();
};
