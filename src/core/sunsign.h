#pragma once

#include "entryrules.h"

#include <QLatin1String>

#include <optional>

// The sun sign of a date of birth, by its month and day alone, or none when either
// list shows nothing or a position lies outside its list.
std::optional<QLatin1String> signFor(const BirthDate &date);
