#pragma once

#include <QPixmap>

// The picture of the sign numbered so (1 to 12, in catalogue order), for a screen of
// this pixel ratio: drawn at twice the size above 1, so it stays sharp. Null outside
// 1..12. Decoded only when asked for, so start-up pays nothing.
QPixmap signPicture(int number, qreal devicePixelRatio);
