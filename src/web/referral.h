#pragma once

#include <QString>

class QWidget;

// The refer-a-friend values, filled by the exit screen and sent by SendReferral.
namespace modTellAFriend {

extern QString ReferrerName;
extern QString ReferrerEmail;
extern QString ReferralMessage;
extern QString FriendName;
extern QString FriendEmail;
// The referral page's address as last built.
extern QString ReferralAddress;

// The referral page with the five values and the program's own page in its query,
// each percent-encoded (UTF-8) so that the page receives exactly what was typed.
QString buildReferralAddress(const QString &referrerName, const QString &referrerEmail, const QString &message,
                             const QString &friendName, const QString &friendEmail);

// Checks the five values; either says which one is missing, in a message that belongs
// to the owner's window, or opens the referral page.
void SendReferral(QWidget *owner);
void OpenReferralAddress();

} // namespace modTellAFriend

// Removes spaces, and only spaces, from both ends.
QString trimSpaces(const QString &text);
