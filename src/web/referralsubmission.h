#pragma once

#include "core/referral.h"

struct Platform;
class QWidget;

// Opens the referral page with the referral's values in its address; returns the
// address. The referral's checks come first, in the core. An address too long to hand
// to a browser is not tried: the user is told, in a message box on the owner's
// window, as when no browser opens it.
QString openReferral(const Platform &platform, QWidget *owner, const Referral &referral);
