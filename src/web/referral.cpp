#include "referral.h"

#include "shell/desktop.h"
#include "shell/messagebox.h"
#include "website.h"

#include <QUrl>

namespace modTellAFriend {

QString ReferrerName;
QString ReferrerEmail;
QString ReferralMessage;
QString FriendName;
QString FriendEmail;
QString ReferralAddress;

QString buildReferralAddress(const QString &referrerName, const QString &referrerEmail, const QString &message,
                             const QString &friendName, const QString &friendEmail)
{
    const QString values[] = {referrerName, referrerEmail, message, friendName, friendEmail,
                              website::mainSite() + QLatin1String("/vl-free-vestastra/")};
    QString address = website::mainSite() + QLatin1String("/vlxs-refer-a-friend.php");
    for (int i = 0; i < 6; ++i) {
        address += QLatin1Char(i == 0 ? '?' : '&') + QLatin1String("taf") + QString::number(i + 1)
                   + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(values[i]));
    }
    return address;
}

void SendReferral(QWidget *owner)
{
    const struct { const QString &value; const char *placeholder; const char *message; } checks[] = {
        {ReferrerName, "Your Name", "Please Enter Your Name"},
        {ReferrerEmail, "Your Email Address", "Please Enter Your Email"},
        {ReferralMessage, "Your Message", "Please Enter Your Message"},
        {FriendName, "Friend's Name", "Please Enter Your Friend's Name"},
        {FriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
    };
    for (const auto &check : checks) {
        const QString value = trimSpaces(check.value);
        if (value.isEmpty() || value == QLatin1String(check.placeholder)) {
            showMessage(owner, QLatin1String(check.message), MessageIcon::Critical);
            return;
        }
    }
    ReferralAddress = buildReferralAddress(ReferrerName, ReferrerEmail, ReferralMessage, FriendName, FriendEmail);
    OpenReferralAddress();
}

void OpenReferralAddress()
{
    openAddress(ReferralAddress);
}

} // namespace modTellAFriend

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
