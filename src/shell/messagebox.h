#pragma once

#include "seam.h"

#include <QString>

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes, always captioned with the application title.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons) = 0;

    static MessageBoxes &system();
};

inline const QString &applicationTitle()
{
    static const QString title = QStringLiteral("VL Vestastra");
    return title;
}

// Shows a message with a single OK button.
inline void showMessage(const QString &text, MessageIcon icon)
{
    Seam<MessageBoxes>::get().show(text, icon, MessageButtons::Ok);
}

// Asks a question; returns the button pressed.
inline MessageAnswer askQuestion(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    return Seam<MessageBoxes>::get().show(text, icon, buttons);
}

// The text a message box displays: a carriage return alone, or CR LF, becomes a line break.
QString displayedMessageText(const QString &text);
