#pragma once

#include "core/sunsign.h"

#include <QPixmap>

// The sign's picture, for a screen of this pixel ratio: drawn at twice the size above
// 1, so it stays sharp. Decoded only when asked for, so start-up pays nothing.
QPixmap signPicture(Sign sign, qreal devicePixelRatio);
