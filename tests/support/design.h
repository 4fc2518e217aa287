#pragma once

// What the program is designed to show and open, written once as the tests' expected
// values: never taken from the code under test. QtCore only, for the core's tests too.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace design {

// The version this build is, as the project file sets it.
inline QString title()
{
    return QStringLiteral("VL Vestastra");
}

inline QString titleWithVersion()
{
    return title() + QLatin1Char(' ') + QLatin1String(EXPECTED_VERSION);
}

// The maker's two sites this build was configured for.
inline QString mainSite()
{
    return QStringLiteral(EXPECTED_MAIN_SITE);
}

inline QString helpSite()
{
    return QStringLiteral(EXPECTED_HELP_SITE);
}

inline QString mainHost()
{
    return QUrl(mainSite()).host();
}

// The seven pages the program opens.
inline QString onlineHelpPage() { return mainSite() + QLatin1String("/vl-free-vestastra/vl-free-vestastra-help.html"); }
inline QString homePage() { return mainSite(); }
inline QString updatePage() { return mainSite() + QLatin1String("/vl-free-vestastra/download-vl-free-vestastra.html"); }
inline QString softwareCataloguePage() { return mainSite() + QLatin1String("/tessivane"); }
inline QString donatePage() { return helpSite() + QLatin1String("/donate.html"); }
inline QString fullBrandPage() { return helpSite() + QLatin1String("/fully-branded.html"); }
inline QString coBrandPage() { return helpSite() + QLatin1String("/co-brand.html"); }

// The exit screen's four words of support, numbered 0 to 3.
inline QString supportMessage(int number)
{
    const QString site = mainHost();
    const QString messages[] = {
        QStringLiteral("Programs like this one can only be made and kept up with your support. The best support "
                       "you can give is to visit %1 regularly and take part in its discussions and other "
                       "activities."),
        QStringLiteral("Please visit %1 regularly and take part in its discussions and other activities. Without "
                       "your visits we cannot support and maintain programs like this one."),
        QStringLiteral("%1 is a free online discussion forum for all things mystic. To help us develop and "
                       "maintain this program, please visit it regularly."),
        QStringLiteral("%1 needs your help! Visit it regularly and take part in its discussions and activities, "
                       "to help us maintain this program and develop many more."),
    };
    return messages[number].arg(site);
}

// The scale sentences; every sign takes one of each scale.
namespace scale {
inline constexpr char boldAlways[] = "You are always willing to try out any outrageous outfit.";
inline constexpr char boldNever[] = "You will stick to what you feel comfortable in and are not willing to take risks.";
inline constexpr char boldMaybe[] = "You may think twice before trying out an outrageous outfit";
inline constexpr char traditionalClothes[] = "You would prefer to wear traditional clothes.";
inline constexpr char traditionalCuts[] =
    "You believe in the traditional cuts and designs as far as clothes are concerned.";
inline constexpr char traditionalNot[] = "You are not very particular about traditional stuff.";
inline constexpr char colorsVarious[] = "You do not mind trying out various colors.";
inline constexpr char colorsDull[] = "You prefer a particular dull color.";
inline constexpr char colorsMulti[] = "You believe in wearing multi-colored clothes.";
inline constexpr char readyMade[] =
    "You don't have the patience to be measured for tailored clothes and ready made stuff is the way for you.";
inline constexpr char tailored[] = "You prefer to have clothes made according to your specifications.";
inline constexpr char eitherMade[] =
    "You do not mind trying out ready made clothes or tailored ones, whichever is convenient.";
inline constexpr char frillsHate[] = "You hate frills and fancy laces of any sort.";
inline constexpr char frillsLove[] = "You love all the frills and laces that you can wear.";
inline constexpr char frillsSometimes[] = "You do not mind a lit frill and lace sometimes.";
} // namespace scale

// One sign's short fields, in the order the reading window shows them.
struct Sign
{
    const char *name;
    const char *element;
    const char *luckyNumbers;
    const char *luckyDay;
    const char *compatibility;
    const char *birthStone;
    int picture;
    const char *boldness;
    const char *traditional;
    const char *colorful;
    const char *customMade;
    const char *frilly;
    const char *preferredColors;
    const char *undesirableColors;

    QStringList shortFields() const
    {
        QStringList fields;
        for (const char *field : {name, element, luckyNumbers, luckyDay, compatibility, birthStone, boldness,
                                  traditional, colorful, customMade, frilly, preferredColors, undesirableColors})
            fields << QLatin1String(field);
        return fields;
    }
};

// The twelve signs in catalogue order.
inline const Sign signs[12] = {
    {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond", 1, scale::boldAlways,
     scale::traditionalClothes, scale::colorsVarious, scale::readyMade, scale::frillsHate, "Red", "Beige and White"},
    {"Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald", 2, scale::boldNever, scale::traditionalCuts,
     scale::colorsDull, scale::tailored, scale::frillsLove, "Royal Blue", "Purple"},
    {"Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate", 3, scale::boldAlways,
     scale::traditionalClothes, scale::colorsMulti, scale::readyMade, scale::frillsHate, "Latest Color in Fashion",
     "Orange"},
    {"Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl", 4, scale::boldNever, scale::traditionalCuts,
     scale::colorsVarious, scale::eitherMade, scale::frillsLove, "Blue and Green", "Purple"},
    {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby", 5, scale::boldAlways, scale::traditionalNot,
     scale::colorsMulti, scale::tailored, scale::frillsSometimes, "Orange, Red, Yellow ", "Green, White"},
    {"Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire", 6, scale::boldNever,
     scale::traditionalCuts, scale::colorsDull, scale::tailored, scale::frillsSometimes, "Brown", "Red, Black"},
    {"Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal", 7, scale::boldMaybe, scale::traditionalCuts,
     scale::colorsVarious, scale::tailored, scale::frillsSometimes, "Olive Green", "Orange, Red"},
    {"Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz", 8, scale::boldMaybe,
     scale::traditionalNot, scale::colorsVarious, scale::eitherMade, scale::frillsSometimes, "Brick Red, Black",
     "Yellow"},
    {"Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise", 9, scale::boldAlways,
     scale::traditionalClothes, scale::colorsMulti, scale::readyMade, scale::frillsHate, "Emerald", "Blue"},
    {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet", 10, scale::boldNever,
     scale::traditionalCuts, scale::colorsDull, scale::tailored, scale::frillsLove, "Navy Blue", "Purple"},
    {"Aquarius", "Air", "1 and 7", "Wednesday", "Taurus and Virgo", "Amethyst", 11, scale::boldAlways,
     scale::traditionalClothes, scale::colorsMulti, scale::readyMade, scale::frillsHate, "Black", "Beige"},
    {"Pisces", "Water", "2 and 6", "Friday", "Taurus and Virgo", "Aquamarine", 12, scale::boldMaybe,
     scale::traditionalNot, scale::colorsMulti, scale::readyMade, scale::frillsLove, "Pink", "Red"},
};

// The opening words and the length of each sign's three long texts: positive traits,
// negative traits and fashion characteristics. Leo's fashion text is two paragraphs
// with one empty line (CR LF CR LF) between them.
struct LongTexts
{
    const char *sign;
    const char *opening[3];
    int length[3];
};

inline const LongTexts longTexts[12] = {
    {"Aries", {"You may be pioneers in your fields and", "You may be arrogant and domineering.",
               "With their inherent interest in trying out everything"}, {727, 604, 492}},
    {"Taurus", {"You are patient and enduring in nature.", "You are very stubborn and inflexible.",
                "The Bull is very precise about the latest"}, {755, 405, 414}},
    {"Gemini", {"You are very adjusting in nature and have", "You are inconsistent in your performance.",
                "Geminis typically wear clothes that match their mood"}, {745, 526, 576}},
    {"Cancer", {"You are very sensitive in nature and generally", "You are unstable and very unreliable.",
                "A Cancerian likes to dress comfortably and doesn't"}, {866, 609, 415}},
    {"Leo", {"You are leaders and have a magnetic personality.", "You have a violent temper.",
             "You excel at wearing flashy, pricey jewelry."}, {998, 646, 1038}},
    {"Virgo", {"You are very modest by nature.", "Your need for neatness may make them fussy",
               "Virgo is the eternal perfectionist, and this innate"}, {513, 331, 804}},
    {"Libra", {"You are highly diplomatic individuals.", "You cannot take make decisions for themselves.",
               "The Libra male or female often has impeccable"}, {717, 366, 655}},
    {"Scorpio", {"You are intense and strong willed people who", "You have a very short temper.",
                 "Scorpios are very particular about their dress sense"}, {702, 536, 527}},
    {"Sagittarius", {"You are a happy go lucky lot with", "You may be too outspoken for your own",
                     "Sagittarians are not particularly concerned about the latest"}, {874, 378, 769}},
    {"Capricorn", {"You are people with a traditional frame of", "You are very rigid in nature and not",
                   "Business suits and power dressing is perhaps what"}, {732, 550, 539}},
    {"Aquarius", {"You are magnetic in nature and people get", "You do not make friends very easily inspite",
                  "Shopping isn't a favorite activity of Aquarians and"}, {754, 655, 576}},
    {"Pisces", {"You are very adjusting, friendly and good- natured",
                "You want people to sympathize with your personal",
                "For Pisceans, clothes are their second skin."}, {681, 415, 619}},
};

inline const Sign &sign(const char *name)
{
    for (const Sign &candidate : signs) {
        if (qstrcmp(candidate.name, name) == 0)
            return candidate;
    }
    qFatal("design::sign: no sign is named %s", name);
}

} // namespace design
