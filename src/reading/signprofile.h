#pragma once

#include <QLatin1String>
#include <QStringView>

#include <array>

// One sign's fixed reading. Fields are listed in the order the reading step shows them.
struct SignProfile
{
    QLatin1String Name;
    QLatin1String Element;
    QLatin1String LuckyNumbers;
    QLatin1String LuckyDay;
    QLatin1String Compatibility;
    QLatin1String BirthStone;
    QLatin1String PositiveTraits;
    QLatin1String NegativeTraits;
    int PictureIndex; // entry of the sign picture list, 1 to 12
    QLatin1String Boldness;
    QLatin1String Traditional;
    QLatin1String Colorful;
    QLatin1String CustomMade;
    QLatin1String Frilly;
    QLatin1String PreferredColors;
    QLatin1String UndesirableColors;
    QLatin1String FashionCharacteristics;
};

// The twelve profiles, Aries to Pisces.
const std::array<SignProfile, 12> &signCatalogue();

// The profile whose name equals the argument exactly (case-sensitive), or nullptr.
const SignProfile *FindSignProfile(QStringView name);
