#pragma once

#include <QLatin1String>

#include <optional>

// The sign for a birth month and day given as 0-based list positions, or none when
// either position lies outside the lists (-1 means nothing is selected).
std::optional<QLatin1String> sunSignAt(int monthIndex, int dayIndex);
