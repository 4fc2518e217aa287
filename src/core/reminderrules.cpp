#include "reminderrules.h"

#include <QLocale>

namespace {

constexpr int shift = 85;
constexpr int maxDaysWithoutAsking = 14;

QString shifted(const QString &text, int by)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        const int code = character.unicode() + by;
        if (code >= 0 && code <= 255)
            result.append(QChar(code));
    }
    return result;
}

} // namespace

QString encodeSetting(const QString &text)
{
    return shifted(text, shift);
}

QString decodeSetting(const QString &text)
{
    return shifted(text, -shift);
}

QString reminderSettingKey()
{
    return QLatin1String("Settings/") + encodeSetting(QStringLiteral("Duration"));
}

QString storedDateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

QDate parseStoredDate(const QString &text)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    QDate local = QLocale().toDate(text, QLocale::ShortFormat);
    // Two-digit years read as 19xx; a reminder date is never that old.
    if (local.isValid() && local.year() < 1950)
        local = local.addYears(100);
    return local;
}

ReminderStep reminderStep(const QString &storedDate, QDate today)
{
    const QDate stored = parseStoredDate(storedDate);
    if (!stored.isValid())
        return ReminderStep::StoreToday;
    const qint64 days = today.daysTo(stored);
    if (days >= -maxDaysWithoutAsking && days <= maxDaysWithoutAsking)
        return ReminderStep::Wait;
    return ReminderStep::Ask;
}
