#include "keyfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

std::optional<int> typedCharacter(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if (event.modifiers() & Qt::ControlModifier) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return event.key() - Qt::Key_A + 1;
        // A control key like the others, not the plain Backspace that deletes.
        if (event.key() == Qt::Key_Backspace)
            return 127;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return int(text.at(0).unicode());
}

namespace {

void insertText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->insert(text);
    else if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        lines->insertPlainText(text);
}

} // namespace

KeyFilter::KeyFilter(QWidget *box, Handler onCharacter) : QObject(box), handler(std::move(onCharacter)) {}

void KeyFilter::install(QWidget *box, Handler handler)
{
    box->installEventFilter(new KeyFilter(box, std::move(handler)));
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QWidget *>(watched);
    if (!box || forwarding)
        return false;
    if (event->type() == QEvent::KeyPress)
        return filterKey(box, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::InputMethod)
        return filterInputMethod(box, event);
    return false;
}

bool KeyFilter::filterKey(QWidget *box, QKeyEvent *event)
{
    // Alt with a key is a command, such as a menu's access key, never typing.
    if (event->modifiers() & Qt::AltModifier)
        return !event->text().isEmpty();
    const std::optional<int> code = typedCharacter(*event);
    if (!code)
        return false;
    const int replacement = handler(*code);
    if (replacement == *code)
        return false;
    if (replacement != 0)
        insertText(box, QString(QChar(replacement)));
    return true;
}

// Text from dead keys, compose sequences or an on-screen keyboard arrives as the
// input method's commit string: each character goes through the same handler.
bool KeyFilter::filterInputMethod(QWidget *box, QEvent *event)
{
    auto *input = static_cast<QInputMethodEvent *>(event);
    const QString commit = input->commitString();
    if (commit.isEmpty())
        return false;
    QString accepted;
    for (const QChar character : commit) {
        const int replacement = handler(character.unicode());
        if (replacement == 0) {
            accepted.clear();
            break;
        }
        accepted.append(QChar(replacement));
    }
    if (accepted == commit)
        return false;
    QInputMethodEvent filtered(input->preeditString(), input->attributes());
    // A refused commit replaces nothing either: the box keeps its text as it was.
    if (!accepted.isEmpty())
        filtered.setCommitString(accepted, input->replacementStart(), input->replacementLength());
    forwarding = true;
    QCoreApplication::sendEvent(box, &filtered);
    forwarding = false;
    return true;
}
