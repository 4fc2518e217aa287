#include "referralsubmission.h"

#include "platform/desktop.h"
#include "platform/messagebox.h"

QString sendReferral(const Referral &referral, QWidget *owner)
{
    const QString problem = missingValueProblem(referral);
    if (!problem.isEmpty()) {
        showMessage(owner, problem, MessageIcon::Critical);
        return {};
    }
    const QString address = referralAddress(referral);
    openAddress(address);
    return address;
}
