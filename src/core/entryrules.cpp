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
    const BirthDate &date = entries.birthDate;
    if (date.dayPosition < 0)
        return EntryProblem{QStringLiteral("Please Specify Your Birth Date"), EntryField::Day};
    if (date.monthPosition < 0)
        return EntryProblem{QStringLiteral("Please Specify Your Birth Month"), EntryField::Month};
    if (date.yearPosition < 0)
        return EntryProblem{QStringLiteral("Please Specify Your Birth Year"), EntryField::Year};

    constexpr int february = 1;
    const int firstBadFebruaryDay = isLeapYear(firstListedYear + date.yearPosition) ? 29 : 28;
    if (date.monthPosition == february && date.dayPosition >= firstBadFebruaryDay && date.dayPosition <= 30)
        return EntryProblem{QStringLiteral("Please Enter Correct Date Or Month!"), EntryField::None};

    const bool thirtyDays = date.monthPosition == 3 || date.monthPosition == 5 || date.monthPosition == 8
                            || date.monthPosition == 10;
    if (thirtyDays && date.dayPosition == 30)
        return EntryProblem{QStringLiteral("Please Enter Correct Date Or Month !"), EntryField::None};
    return std::nullopt;
}
