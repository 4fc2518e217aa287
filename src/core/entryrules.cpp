#include "entryrules.h"

int filterNameCharacter(int code)
{
    if (code >= 'A' && code <= 'Z')
        return code;
    if (code >= 'a' && code <= 'z')
        return code - ('a' - 'A');
    if (code == ' ' || code == '\r' || code == '\b')
        return code;
    return 0;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<EntryProblem> checkEntries(const Entries &entries)
{
    if (entries.firstName.isEmpty())
        return EntryProblem{QStringLiteral("Please Enter Your First Name"), EntryField::FirstName};
    if (entries.lastName.isEmpty())
        return EntryProblem{QStringLiteral("Please Enter Your Last Name"), EntryField::LastName};
    if (entries.dayText.isEmpty())
        return EntryProblem{QStringLiteral("Please Specify Your Birth Date"), EntryField::Day};
    if (entries.monthText.isEmpty())
        return EntryProblem{QStringLiteral("Please Specify Your Birth Month"), EntryField::Month};
    if (entries.yearText.isEmpty())
        return EntryProblem{QStringLiteral("Please Specify Your Birth Year"), EntryField::Year};

    constexpr int february = 1;
    const int firstBadFebruaryDay = isLeapYear(entries.yearText.toInt()) ? 29 : 28;
    if (entries.monthIndex == february && entries.dayIndex >= firstBadFebruaryDay && entries.dayIndex <= 30)
        return EntryProblem{QStringLiteral("Please Enter Correct Date Or Month!"), EntryField::None};

    const bool thirtyDays = entries.monthIndex == 3 || entries.monthIndex == 5 || entries.monthIndex == 8
                            || entries.monthIndex == 10;
    if (thirtyDays && entries.dayIndex == 30)
        return EntryProblem{QStringLiteral("Please Enter Correct Date Or Month !"), EntryField::None};
    return std::nullopt;
}
