#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

class QApplication;

// Lets the text cursor blink while the user works, and stills it once they have
// pressed no key and clicked nothing for a while, as desktop toolkits do: a program
// waiting for its user should not wake up twice a second for ever.
class CaretBlinkLimit : public QObject
{
    Q_OBJECT

public:
    CaretBlinkLimit(QApplication &app, std::chrono::milliseconds blinkFor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const int blinkTime;
    QTimer stopper;
};
