#include "sunsign.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// Each month splits into two ranges of day positions. The change days are this
// program's own (20 January, 19 February, then the 21st of each month); earlier
// readings rely on them, so they are not aligned to any other almanac.
struct MonthSigns
{
    int lastDayOfFirstSign;
    QLatin1String firstSign;
    QLatin1String secondSign;
};

constexpr int lastDayPosition = 30;

const std::array<MonthSigns, 12> monthSigns = {{
    {18, "Capricorn"_L1, "Aquarius"_L1},
    {17, "Aquarius"_L1, "Pisces"_L1},
    {19, "Pisces"_L1, "Aries"_L1},
    {19, "Aries"_L1, "Taurus"_L1},
    {19, "Taurus"_L1, "Gemini"_L1},
    {19, "Gemini"_L1, "Cancer"_L1},
    {19, "Cancer"_L1, "Leo"_L1},
    {19, "Leo"_L1, "Virgo"_L1},
    {19, "Virgo"_L1, "Libra"_L1},
    {19, "Libra"_L1, "Scorpio"_L1},
    {19, "Scorpio"_L1, "Sagittarius"_L1},
    {19, "Sagittarius"_L1, "Capricorn"_L1},
}};

} // namespace

std::optional<QLatin1String> signFor(const BirthDate &date)
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
