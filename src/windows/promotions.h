#pragma once

#include <QWidget>

// The co-branding and fully-branded offers share one rectangle on the input window
// and on the reading window; only the one in front is seen and clicked. By design
// the co-branding offer is in front: with the start-up draw (the fully-branded offer
// in front for 2, 4 and 6, the co-branding one for 1, 3 and 5, the design for 7)
// each offer is then seen in half of all starts.
inline void stackPromotionsByDesign(QWidget *coBrand, QWidget *fullBrand)
{
    coBrand->stackUnder(fullBrand);
    coBrand->raise();
}
