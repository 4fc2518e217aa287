#pragma once

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace modVestastra {

// The sign of the current reading. Empty until the first match; kept between readings.
extern QString CurrentSunSign;

// The sign for a birth month and day given as 0-based list positions, or none when
// either position lies outside the lists (-1 means nothing is selected).
std::optional<QLatin1String> sunSignAt(qint16 monthIndex, qint16 dayIndex);

// Sets CurrentSunSign from the positions; leaves it unchanged when nothing matches.
void FindSunSign(qint16 monthIndex, qint16 dayIndex);

} // namespace modVestastra
