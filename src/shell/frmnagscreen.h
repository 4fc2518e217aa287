#pragma once

#include "form.h"

// The start-up form: never shown, loaded first and last to go. Its load handler is
// the start-up sequence; closing it shuts the program down.
class frmNagScreen : public Form
{
    Q_OBJECT

public:
    frmNagScreen();

    void onLoad() override;
    void onUnload() override;

    // Draws which promotion of the input window lies in front: 2, 4 or 6 the
    // fully-branded offer, 1, 3 or 5 the co-branding offer, 7 the design order.
    void CoBrand_Randomize();

    qint16 intCoBrandRandomNumber = 0;
};

// r x 6 + 1 in single precision, rounded to the nearest whole number, halves to even.
qint16 coBrandDraw(float r);
