#include "referralsubmission.h"

#include "platform/platform.h"
#include "webcommands.h"

QString openReferral(const Platform &platform, QWidget *owner, const Referral &referral)
{
    const QString address = referralAddress(referral);
    if (address.size() > Desktop::longestAddress) {
        platform.messages.showMessage(owner,
                                      QStringLiteral("This referral is too long to send. Please shorten it and "
                                                     "try again."),
                                      MessageIcon::Critical);
        return address;
    }
    openAddress(platform, owner, address);
    return address;
}
