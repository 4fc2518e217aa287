#pragma once

#include "controls.h"
#include "core/referral.h"
#include "core/website.h"
#include "fixedwindow.h"

class MessageBoxes;
class QLineEdit;
class QPlainTextEdit;

// The exit screen: a word of support, links to the maker's site and the
// refer-a-friend form, whose checks it makes itself. It stays above other windows;
// closing it, by its close box or its Exit button, is the user's asking to end.
class ExitScreen : public FixedWindow
{
    Q_OBJECT

public:
    ExitScreen(MessageBoxes &messages, const QString &supportMessage, QWidget *parent = nullptr);

    // What the refer-a-friend form holds, the message's line breaks as CR LF.
    Referral referral() const;

signals:
    void pageRequested(WebPage page);
    // The user sent a referral that passed every check; its values trimmed of spaces.
    void referralRequested(const Referral &referral);
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(const QString &supportMessage);
    void bindCommands();
    void submit();
    void homePageButtonClicked();

    MessageBoxes &messages;
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
