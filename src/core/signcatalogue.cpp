#include "signcatalogue.h"

#include "signtexts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Each fashion scale has three sentences; every sign takes one of each.
constexpr auto boldAlways = "You are always willing to try out any outrageous outfit."_L1;
constexpr auto boldNever = "You will stick to what you feel comfortable in and are not willing to take risks."_L1;
constexpr auto boldMaybe = "You may think twice before trying out an outrageous outfit"_L1;

constexpr auto traditionalClothes = "You would prefer to wear traditional clothes."_L1;
constexpr auto traditionalCuts = "You believe in the traditional cuts and designs as far as clothes are concerned."_L1;
constexpr auto traditionalNot = "You are not very particular about traditional stuff."_L1;

constexpr auto colorsVarious = "You do not mind trying out various colors."_L1;
constexpr auto colorsDull = "You prefer a particular dull color."_L1;
constexpr auto colorsMulti = "You believe in wearing multi-colored clothes."_L1;

constexpr auto readyMade = "You don't have the patience to be measured for tailored clothes and ready made stuff is the way for you."_L1;
constexpr auto tailored = "You prefer to have clothes made according to your specifications."_L1;
constexpr auto eitherMade = "You do not mind trying out ready made clothes or tailored ones, whichever is convenient."_L1;

constexpr auto frillsHate = "You hate frills and fancy laces of any sort."_L1;
constexpr auto frillsLove = "You love all the frills and laces that you can wear."_L1;
constexpr auto frillsSometimes = "You do not mind a lit frill and lace sometimes."_L1;

using namespace signtexts;

const std::array<SignProfile, 12> catalogue = {{
    {"Aries"_L1, "Fire"_L1, "9"_L1, "Tuesday"_L1, "Leo and Sagittarius"_L1, "Diamond"_L1,
     QLatin1String(AriesPositiveTraits), QLatin1String(AriesNegativeTraits),
     boldAlways, traditionalClothes, colorsVarious, readyMade, frillsHate,
     "Red"_L1, "Beige and White"_L1, QLatin1String(AriesFashionCharacteristics)},
    {"Taurus"_L1, "Earth"_L1, "6"_L1, "Friday"_L1, "Capricorn and Virgo"_L1, "Emerald"_L1,
     QLatin1String(TaurusPositiveTraits), QLatin1String(TaurusNegativeTraits),
     boldNever, traditionalCuts, colorsDull, tailored, frillsLove,
     "Royal Blue"_L1, "Purple"_L1, QLatin1String(TaurusFashionCharacteristics)},
    {"Gemini"_L1, "Air"_L1, "5"_L1, "Wednesday"_L1, "Aquarius and Libra"_L1, "Agate"_L1,
     QLatin1String(GeminiPositiveTraits), QLatin1String(GeminiNegativeTraits),
     boldAlways, traditionalClothes, colorsMulti, readyMade, frillsHate,
     "Latest Color in Fashion"_L1, "Orange"_L1, QLatin1String(GeminiFashionCharacteristics)},
    {"Cancer"_L1, "Water"_L1, "2"_L1, "Monday"_L1, "Pisces and Scorpio"_L1, "Pearl"_L1,
     QLatin1String(CancerPositiveTraits), QLatin1String(CancerNegativeTraits),
     boldNever, traditionalCuts, colorsVarious, eitherMade, frillsLove,
     "Blue and Green"_L1, "Purple"_L1, QLatin1String(CancerFashionCharacteristics)},
    {"Leo"_L1, "Fire"_L1, "8 and 9"_L1, "Sunday"_L1, "Aries and Sagittarius"_L1, "Ruby"_L1,
     QLatin1String(LeoPositiveTraits), QLatin1String(LeoNegativeTraits),
     boldAlways, traditionalNot, colorsMulti, tailored, frillsSometimes,
     "Orange, Red, Yellow "_L1, "Green, White"_L1, QLatin1String(LeoFashionCharacteristics)},
    {"Virgo"_L1, "Earth"_L1, "3 and 5"_L1, "Wednesday"_L1, "Capricorn and Taurus"_L1, "Sapphire"_L1,
     QLatin1String(VirgoPositiveTraits), QLatin1String(VirgoNegativeTraits),
     boldNever, traditionalCuts, colorsDull, tailored, frillsSometimes,
     "Brown"_L1, "Red, Black"_L1, QLatin1String(VirgoFashionCharacteristics)},
    {"Libra"_L1, "Air"_L1, "6 and 9"_L1, "Friday"_L1, "Aquarius and Gemini"_L1, "Opal"_L1,
     QLatin1String(LibraPositiveTraits), QLatin1String(LibraNegativeTraits),
     boldMaybe, traditionalCuts, colorsVarious, tailored, frillsSometimes,
     "Olive Green"_L1, "Orange, Red"_L1, QLatin1String(LibraFashionCharacteristics)},
    {"Scorpio"_L1, "Water"_L1, "2 and 4"_L1, "Tuesday"_L1, "Cancer and Pisces"_L1, "Topaz"_L1,
     QLatin1String(ScorpioPositiveTraits), QLatin1String(ScorpioNegativeTraits),
     boldMaybe, traditionalNot, colorsVarious, eitherMade, frillsSometimes,
     "Brick Red, Black"_L1, "Yellow"_L1, QLatin1String(ScorpioFashionCharacteristics)},
    {"Sagittarius"_L1, "Fire"_L1, "5 and 7"_L1, "Thursday"_L1, "Aries and Leo"_L1, "Turquoise"_L1,
     QLatin1String(SagittariusPositiveTraits), QLatin1String(SagittariusNegativeTraits),
     boldAlways, traditionalClothes, colorsMulti, readyMade, frillsHate,
     "Emerald"_L1, "Blue"_L1, QLatin1String(SagittariusFashionCharacteristics)},
    {"Capricorn"_L1, "Earth"_L1, "8 and 2"_L1, "Saturday"_L1, "Taurus and Virgo"_L1, "Garnet"_L1,
     QLatin1String(CapricornPositiveTraits), QLatin1String(CapricornNegativeTraits),
     boldNever, traditionalCuts, colorsDull, tailored, frillsLove,
     "Navy Blue"_L1, "Purple"_L1, QLatin1String(CapricornFashionCharacteristics)},
    // Aquarius and Pisces share Capricorn's compatibility text; earlier readings showed it so.
    {"Aquarius"_L1, "Air"_L1, "1 and 7"_L1, "Wednesday"_L1, "Taurus and Virgo"_L1, "Amethyst"_L1,
     QLatin1String(AquariusPositiveTraits), QLatin1String(AquariusNegativeTraits),
     boldAlways, traditionalClothes, colorsMulti, readyMade, frillsHate,
     "Black"_L1, "Beige"_L1, QLatin1String(AquariusFashionCharacteristics)},
    {"Pisces"_L1, "Water"_L1, "2 and 6"_L1, "Friday"_L1, "Taurus and Virgo"_L1, "Aquamarine"_L1,
     QLatin1String(PiscesPositiveTraits), QLatin1String(PiscesNegativeTraits),
     boldMaybe, traditionalNot, colorsMulti, readyMade, frillsLove,
     "Pink"_L1, "Red"_L1, QLatin1String(PiscesFashionCharacteristics)},
}};

} // namespace

const std::array<SignProfile, 12> &signCatalogue()
{
    return catalogue;
}

const SignProfile &signProfile(Sign sign)
{
    return catalogue[std::size_t(sign)];
}
