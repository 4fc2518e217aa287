#pragma once

#include <QPixmap>
#include <QString>

// The sign pictures, numbered from 1 in catalogue order and keyed "Aries.jpg" to
// "Pisces.jpg". Pictures are decoded only when asked for, so start-up pays nothing.
class SignPictureList
{
public:
    int count() const;
    QString key(int number) const;        // empty outside 1..count()
    // Drawn at twice the size for a screen scaled by more than 1, which the pixmap's
    // device pixel ratio says; null outside 1..count().
    QPixmap picture(int number, qreal devicePixelRatio = 1) const;
};
