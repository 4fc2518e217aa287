#pragma once

#include <QString>

#include <optional>

// The rules of the input window, free of widgets.

// The code a typed character becomes in a name box: letters in upper case; space,
// Enter and Backspace as they are; 0 (refused) for anything else.
int filterNameCharacter(int code);

// The years the year list offers, in order.
inline constexpr int firstListedYear = 1900;
inline constexpr int lastListedYear = 2050;

// A date of birth as the input window's three lists hold it: each list's position,
// -1 while the list shows nothing. Position 0 is January, the 1st and 1900.
struct BirthDate
{
    int monthPosition = -1;
    int dayPosition = -1;
    int yearPosition = -1;
};

struct Entries
{
    QString firstName;
    QString lastName;
    BirthDate birthDate;
};

enum class EntryField { None, FirstName, LastName, Day, Month, Year };

struct EntryProblem
{
    QString message;
    EntryField focus;
};

// The first problem with the entries, in the order the user is told of them.
std::optional<EntryProblem> checkEntries(const Entries &entries);
