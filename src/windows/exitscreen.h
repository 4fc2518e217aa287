#pragma once

#include "controls.h"
#include "core/referral.h"
#include "platform/form.h"

class QLineEdit;
class QPlainTextEdit;

// The exit screen: a word of support, links to the maker's site and the
// refer-a-friend form. It stays above other windows; closing it ends the program.
class ExitScreen : public Form
{
    Q_OBJECT

public:
    ExitScreen();

    void onLoad() override;

    // What the refer-a-friend form holds, the message's line breaks as CR LF.
    Referral referral() const;

signals:
    // The user pressed Exit.
    void exitRequested();

private:
    void buildControls();
    void bindCommands();
    void submit();
    void homePageButtonClicked();

    controls::Label *supportLabel = nullptr;
    QPushButton *homePageButton = nullptr;
    QPushButton *exitButton = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLineEdit *emailEdit = nullptr;
    QLineEdit *friendNameEdit = nullptr;
    QLineEdit *friendEmailEdit = nullptr;
    QPushButton *submitButton = nullptr;
    QPlainTextEdit *messageEdit = nullptr;
    controls::Label *catalogueLink = nullptr;
};
