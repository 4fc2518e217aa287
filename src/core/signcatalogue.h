#pragma once

#include "sunsign.h"

#include <QLatin1String>

#include <array>

// One sign's fixed reading. Fields are listed in the order the reading window shows them.
struct SignProfile
{
    QLatin1String name;
    QLatin1String element;
    QLatin1String luckyNumbers;
    QLatin1String luckyDay;
    QLatin1String compatibility;
    QLatin1String birthStone;
    QLatin1String positiveTraits;
    QLatin1String negativeTraits;
    QLatin1String boldness;
    QLatin1String traditional;
    QLatin1String colorful;
    QLatin1String customMade;
    QLatin1String frilly;
    QLatin1String preferredColors;
    QLatin1String undesirableColors;
    QLatin1String fashionCharacteristics;
};

// The twelve profiles, Aries to Pisces.
const std::array<SignProfile, 12> &signCatalogue();

const SignProfile &signProfile(Sign sign);
