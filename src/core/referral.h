#pragma once

#include <QString>

#include <optional>

// What the exit screen's refer-a-friend form sends, as the user typed it.
struct Referral
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The texts the form's boxes hold until the user types their own.
namespace placeholders {
inline constexpr char name[] = "Your Name";
inline constexpr char email[] = "Your Email Address";
inline constexpr char message[] = "Your Message";
inline constexpr char friendName[] = "Friend's Name";
inline constexpr char friendEmail[] = "Friend's Email Address";
} // namespace placeholders

// Removes spaces, and only spaces, from both ends.
QString trimSpaces(const QString &text);

// Placeholder boxes: entering a box that holds just its placeholder (spaces aside)
// empties it; leaving it empty puts the placeholder back.
bool clearsPlaceholder(const QString &text, const QString &placeholder);
bool restoresPlaceholder(const QString &text);

// The referral with spaces trimmed from both ends of every value.
Referral trimmed(const Referral &referral);

// The first problem with the two e-mail addresses (already trimmed of spaces), or
// an empty text when they may be sent.
QString emailProblem(const QString &email, const QString &friendEmail);

// The message for the first value still empty or still its placeholder, or an empty
// text when every value is filled in.
QString missingValueProblem(const Referral &referral);

// The first problem with a referral (already trimmed of spaces) in the order the user
// is told of them: the two e-mail addresses, then each value; none when it may be sent.
std::optional<QString> referralProblem(const Referral &referral);

// The referral page on the main site with the five values and the program's own page
// in its query, each percent-encoded (UTF-8) so that the page receives exactly what
// was typed.
QString referralAddress(const Referral &referral);
