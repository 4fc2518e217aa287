#include "messagebox.h"

#include "core/programinfo.h"

#include <QMessageBox>

MessageAnswer QtMessageBoxes::show(QWidget *owner, const QString &text, MessageIcon icon, MessageButtons buttons)
{
    QWidget *window = owner ? owner->window() : nullptr;
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    programTitle(), displayedMessageText(text),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    // A window that stays on top would otherwise still cover its own message.
    if (window && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString displayedMessageText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
