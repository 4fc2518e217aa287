#include "sunsign.h"

#include <array>

namespace {

// Each month splits into two ranges of day positions. The change days are this
// program's own (20 January, 19 February, then the 21st of each month); earlier
// readings rely on them, so they are not aligned to any other almanac.
struct MonthSigns
{
    int lastDayOfFirstSign;
    Sign firstSign;
    Sign secondSign;
};

constexpr int lastDayPosition = 30;

const std::array<MonthSigns, 12> monthSigns = {{
    {18, Sign::Capricorn, Sign::Aquarius},
    {17, Sign::Aquarius, Sign::Pisces},
    {19, Sign::Pisces, Sign::Aries},
    {19, Sign::Aries, Sign::Taurus},
    {19, Sign::Taurus, Sign::Gemini},
    {19, Sign::Gemini, Sign::Cancer},
    {19, Sign::Cancer, Sign::Leo},
    {19, Sign::Leo, Sign::Virgo},
    {19, Sign::Virgo, Sign::Libra},
    {19, Sign::Libra, Sign::Scorpio},
    {19, Sign::Scorpio, Sign::Sagittarius},
    {19, Sign::Sagittarius, Sign::Capricorn},
}};

} // namespace

std::optional<Sign> signFor(const BirthDate &date)
{
    if (date.monthPosition < 0 || date.monthPosition >= int(monthSigns.size()))
        return std::nullopt;
    const MonthSigns &month = monthSigns[std::size_t(date.monthPosition)];
    if (date.dayPosition >= 0 && date.dayPosition <= month.lastDayOfFirstSign)
        return month.firstSign;
    if (date.dayPosition > month.lastDayOfFirstSign && date.dayPosition <= lastDayPosition)
        return month.secondSign;
    return std::nullopt;
}
