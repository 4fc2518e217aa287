#pragma once

#include <QString>

#include <optional>

// The rules of the input window, free of widgets.

// The code a typed character becomes in a name box: letters in upper case; space,
// Enter and Backspace as they are; 0 (refused) for anything else.
int filterNameCharacter(int code);

// Gregorian: every fourth year, but of the centuries only every fourth.
bool isLeapYear(int year);

struct Entries
{
    QString firstName;
    QString lastName;
    QString dayText;
    QString monthText;
    QString yearText;
    int monthIndex = -1;
    int dayIndex = -1;
};

enum class EntryField { None, FirstName, LastName, Day, Month, Year };

struct EntryProblem
{
    QString message;
    EntryField focus;
};

// The first problem with the entries, in the order the user is told of them.
std::optional<EntryProblem> checkEntries(const Entries &entries);
