#pragma once

#include "core/referral.h"

class Desktop;

// Opens the referral page with the referral's values in its address; returns the
// address. The referral's checks come first, in the core.
QString openReferral(Desktop &desktop, const Referral &referral);
