#include "signpictures.h"

#include "signcatalogue.h"

int signPictureCount()
{
    return int(signCatalogue().size());
}

QString signPictureKey(int number)
{
    if (number < 1 || number > signPictureCount())
        return {};
    return signCatalogue()[std::size_t(number - 1)].name + QLatin1String(".jpg");
}

QString signPictureResource(int number, bool doubleSize)
{
    if (number < 1 || number > signPictureCount())
        return {};
    return QLatin1String(":/signs/") + signCatalogue()[std::size_t(number - 1)].name
           + (doubleSize ? QLatin1String("@2x.jpg") : QLatin1String(".jpg"));
}
