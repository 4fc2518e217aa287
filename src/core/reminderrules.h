#pragma once

#include <QDate>
#include <QString>

// The update reminder's stored date is disguised: every character code raised by 85
// on the way in and lowered by 85 on the way out; a character that would leave 0..255
// is dropped.
QString encodeSetting(const QString &text);
QString decodeSetting(const QString &text);

// Where the reminder keeps its date in the program's settings: the group "Settings"
// and the disguised name "Duration".
QString reminderSettingKey();

// What the reminder does with the stored date (already decoded) on a given day.
enum class ReminderStep {
    StoreToday, // first run, or a value that is no date: remember today, ask nothing
    Wait,       // asked or first ran within fourteen days either way
    Ask,        // ask about an update, then remember today
};

ReminderStep reminderStep(const QString &storedDate, QDate today);

// The stored date's text form: ISO 8601, so a change of locale cannot break it.
// Reading also accepts the locale's short date form.
QString storedDateText(QDate date);
QDate parseStoredDate(const QString &text);
