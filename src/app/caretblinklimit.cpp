#include "caretblinklimit.h"

#include <QApplication>
#include <QEvent>

CaretBlinkLimit::CaretBlinkLimit(QApplication &app, std::chrono::milliseconds blinkFor)
    : QObject(&app), blinkTime(QApplication::cursorFlashTime())
{
    stopper.setSingleShot(true);
    stopper.setInterval(blinkFor);
    connect(&stopper, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
    stopper.start();
    app.installEventFilter(this);
}

bool CaretBlinkLimit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        if (QApplication::cursorFlashTime() != blinkTime)
            QApplication::setCursorFlashTime(blinkTime);
        stopper.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
