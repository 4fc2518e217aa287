#include "referral.h"

#include "website.h"

#include <QUrl>

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

bool clearsPlaceholder(const QString &text, const QString &placeholder)
{
    return trimSpaces(text) == placeholder;
}

bool restoresPlaceholder(const QString &text)
{
    return trimSpaces(text).isEmpty();
}

Referral trimmed(const Referral &referral)
{
    return {trimSpaces(referral.name), trimSpaces(referral.email), trimSpaces(referral.message),
            trimSpaces(referral.friendName), trimSpaces(referral.friendEmail)};
}

QString emailProblem(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!email.contains(required) || !friendEmail.contains(required))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    return {};
}

QString missingValueProblem(const Referral &referral)
{
    const struct { const QString &value; const char *placeholder; const char *message; } checks[] = {
        {referral.name, placeholders::name, "Please Enter Your Name"},
        {referral.email, placeholders::email, "Please Enter Your Email"},
        {referral.message, placeholders::message, "Please Enter Your Message"},
        {referral.friendName, placeholders::friendName, "Please Enter Your Friend's Name"},
        {referral.friendEmail, placeholders::friendEmail, "Please Enter Your Friend's Email"},
    };
    for (const auto &check : checks) {
        const QString value = trimSpaces(check.value);
        if (value.isEmpty() || value == QLatin1String(check.placeholder))
            return QLatin1String(check.message);
    }
    return {};
}

std::optional<QString> referralProblem(const Referral &referral)
{
    QString problem = emailProblem(referral.email, referral.friendEmail);
    if (problem.isEmpty())
        problem = missingValueProblem(referral);
    if (problem.isEmpty())
        return std::nullopt;
    return problem;
}

QString referralAddress(const Referral &referral)
{
    const QString values[] = {referral.name, referral.email, referral.message, referral.friendName,
                              referral.friendEmail, website::mainSite() + QLatin1String("/vl-free-vestastra/")};
    QString address = website::mainSite() + QLatin1String("/vlxs-refer-a-friend.php");
    for (int i = 0; i < 6; ++i) {
        address += QLatin1Char(i == 0 ? '?' : '&') + QLatin1String("taf") + QString::number(i + 1)
                   + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(values[i]));
    }
    return address;
}
