#include "updatereminder.h"

#include "core/reminderrules.h"
#include "platform/platform.h"
#include "webcommands.h"

void remindOfUpdate(const Platform &platform)
{
    // A store that cannot be read gives an empty value, and a failed write is
    // passed over: start-up goes on either way.
    const QString key = reminderSettingKey();
    const QDate today = platform.clock.today();
    const ReminderStep step = reminderStep(decodeSetting(platform.settings.value(key)), today);
    if (step == ReminderStep::Wait)
        return;
    MessageAnswer answer = MessageAnswer::No;
    if (step == ReminderStep::Ask) {
        // Asked at start-up, before any window is up: the box has no window to belong to.
        answer = platform.messages.show(nullptr,
                                        QStringLiteral("There maybe an update to this software available\r"
                                                       "Do you want to check for an update?"),
                                        MessageIcon::Information, MessageButtons::YesNo);
    }
    // Written to disk before the page opens: the date is kept even if the browser
    // takes the user away for good.
    platform.settings.setValue(key, encodeSetting(storedDateText(today)));
    if (answer == MessageAnswer::Yes)
        openPage(platform, nullptr, WebPage::UpdatePage);
}
