#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;

// The character code a key press delivers, or none for keys that type nothing
// (arrows, Home, Delete, Tab...). Control with a letter gives its control code
// (Ctrl+V is 22), whether the platform sends "\x16" or "v" with the modifier;
// Control with Backspace gives 127.
std::optional<int> typedCharacter(const QKeyEvent &event);

// Hands each character typed into a text box, by key or through the input method,
// to a handler before it is inserted. The handler returns the code to insert in its
// place, or 0 to insert nothing.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<int(int code)>;

    static void install(QWidget *box, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyFilter(QWidget *box, Handler onCharacter);
    bool filterKey(QWidget *box, QKeyEvent *event);
    bool filterInputMethod(QWidget *box, QEvent *event);

    Handler handler;
    bool forwarding = false;
};
