#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes, always captioned with the program's name. A box belongs to
// the window of its owner, the control the user was working in: it stands above that
// window and is tied to it, so no window manager can hide it beneath. Only a message
// at start-up, before any window is up, has no owner.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget *owner, const QString &text, MessageIcon icon, MessageButtons buttons) = 0;

    // A message with a single OK button.
    void showMessage(QWidget *owner, const QString &text, MessageIcon icon)
    {
        show(owner, text, icon, MessageButtons::Ok);
    }
};

// Qt's message boxes.
class QtMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer show(QWidget *owner, const QString &text, MessageIcon icon, MessageButtons buttons) override;
};

// The text a message box displays: a carriage return alone, or CR LF, becomes a line break.
QString displayedMessageText(const QString &text);
