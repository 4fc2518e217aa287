#include "updatereminder.h"

#include "shell/clock.h"
#include "shell/messagebox.h"
#include "webcommands.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

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

QString EncodeSetting(const QString &text)
{
    return shifted(text, shift);
}

QString DecodeSetting(const QString &text)
{
    return shifted(text, -shift);
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

void UpdateReminder()
{
    // A store that cannot be read gives an empty value, and a failed write is
    // passed over: start-up goes on either way.
    QSettings store(QCoreApplication::applicationName());
    const QString key = QLatin1String("Settings/") + EncodeSetting(QStringLiteral("Duration"));
    const QDate today = Seam<Clock>::get().today();
    const ReminderStep step = reminderStep(DecodeSetting(store.value(key).toString()), today);
    if (step == ReminderStep::Wait)
        return;

    MessageAnswer answer = MessageAnswer::No;
    if (step == ReminderStep::Ask) {
        // Asked at start-up, before any window is up: the box has no window to belong to.
        answer = askQuestion(nullptr,
                             QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"),
                             MessageIcon::Information, MessageButtons::YesNo);
    }
    store.setValue(key, EncodeSetting(storedDateText(today)));
    store.sync();
    if (answer == MessageAnswer::Yes)
        OpenUpdatePage();
}
