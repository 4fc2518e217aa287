#include "referralsubmission.h"

#include "platform/desktop.h"

QString openReferral(Desktop &desktop, const Referral &referral)
{
    const QString address = referralAddress(referral);
    desktop.openAddress(address);
    return address;
}
