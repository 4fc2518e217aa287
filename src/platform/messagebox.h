#pragma once

#include "seam.h"

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

    static MessageBoxes &system();
};

// Shows a message with a single OK button.
inline void showMessage(QWidget *owner, const QString &text, MessageIcon icon)
{
    Seam<MessageBoxes>::get().show(owner, text, icon, MessageButtons::Ok);
}

// Asks a question; returns the button pressed.
inline MessageAnswer askQuestion(QWidget *owner, const QString &text, MessageIcon icon, MessageButtons buttons)
{
    return Seam<MessageBoxes>::get().show(owner, text, icon, buttons);
}

// The text a message box displays: a carriage return alone, or CR LF, becomes a line break.
QString displayedMessageText(const QString &text);
