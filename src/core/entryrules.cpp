#include "entryrules.h"

#include <QDate>

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

    // The day list offers the 29th to the 31st in every month; February's message has
    // no space before its mark, the other months' one.
    const QDate month(firstListedYear + date.yearPosition, date.monthPosition + 1, 1);
    if (!month.isValid() || date.dayPosition < month.daysInMonth() || date.dayPosition > 30)
        return std::nullopt;
    constexpr int february = 2;
    return EntryProblem{month.month() == february ? QStringLiteral("Please Enter Correct Date Or Month!")
                                                  : QStringLiteral("Please Enter Correct Date Or Month !"),
                        EntryField::None};
}
