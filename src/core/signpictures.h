#pragma once

#include <QString>

// The sign pictures, numbered from 1 in catalogue order and keyed "Aries.jpg" to
// "Pisces.jpg", each also drawn at twice the size for screens scaled by more than 1.

int signPictureCount();

// The picture's key; empty outside 1..signPictureCount().
QString signPictureKey(int number);

// Where the program's resources keep the picture, at its size or at twice it; empty
// outside 1..signPictureCount().
QString signPictureResource(int number, bool doubleSize);
