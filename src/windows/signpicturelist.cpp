#include "signpicturelist.h"

#include "core/signcatalogue.h"
#include "platform/picturefile.h"

int SignPictureList::count() const
{
    return int(signCatalogue().size());
}

QString SignPictureList::key(int number) const
{
    if (number < 1 || number > count())
        return {};
    return signCatalogue()[std::size_t(number - 1)].name + QLatin1String(".jpg");
}

QPixmap SignPictureList::picture(int number) const
{
    const QString name = key(number);
    if (name.isEmpty())
        return {};
    return readPicture(QLatin1String(":/signs/") + name, "jpg");
}
