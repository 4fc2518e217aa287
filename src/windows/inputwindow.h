#pragma once

#include "core/entryrules.h"
#include "menusandofferswindow.h"

class MessageBoxes;
class QComboBox;
class QLineEdit;

// The input window: the user's names and date of birth, and the reading command. It
// checks the entries itself, telling the user of the first problem.
class InputWindow : public MenusAndOffersWindow
{
    Q_OBJECT

public:
    explicit InputWindow(MessageBoxes &messages, QWidget *parent = nullptr);

    // What the user has entered, as it stands.
    Entries entries() const;

signals:
    // The user asked for a reading and the entries passed every check.
    void readingRequested(const Entries &entries);

private:
    void buildControls();
    void fillDateLists();
    void buildMenus();
    void bindCommands();
    void requestReading();
    // Tells the user the problem and puts the focus where it lies.
    void showProblem(const EntryProblem &problem);

    MessageBoxes &messages;
    QLineEdit *firstNameEdit = nullptr;
    QLineEdit *middleNameEdit = nullptr;
    QLineEdit *lastNameEdit = nullptr;
    QComboBox *monthList = nullptr;
    QComboBox *dayList = nullptr;
    QComboBox *yearList = nullptr;
    QPushButton *readingButton = nullptr;
    QPushButton *exitButton = nullptr;
    controls::Label *introLabel = nullptr;
    QAction *readingEntry = nullptr;
    QAction *exitEntry = nullptr;
};
