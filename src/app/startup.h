#pragma once

#include "platform/form.h"

// The start-up form: never shown, loaded first and last to go. Its load handler is
// the start-up sequence; closing it shuts the program down.
class StartUp : public Form
{
    Q_OBJECT

public:
    StartUp();

    void onLoad() override;
    void onUnload() override;

    // Draws which of the input window's offers lies in front.
    void drawFrontOffer();
};
