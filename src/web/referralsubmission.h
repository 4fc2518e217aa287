#pragma once

#include "core/referral.h"

class QWidget;

// Sends a referral: either says which value is missing, in a message that belongs to
// the owner's window, or opens the referral page. Returns the address it opened, or
// an empty text when it opened none.
QString sendReferral(const Referral &referral, QWidget *owner);
