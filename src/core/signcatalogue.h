#pragma once

#include <QLatin1String>
#include <QStringView>

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
    int pictureIndex; // entry of the sign picture list, 1 to 12
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

// The profile whose name equals the argument exactly (case-sensitive), or nullptr.
const SignProfile *findSignProfile(QStringView name);
