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

QPixmap SignPictureList::picture(int number, qreal devicePixelRatio) const
{
    const QString name = key(number);
    if (name.isEmpty())
        return {};
    if (devicePixelRatio <= 1)
        return readPicture(QLatin1String(":/signs/") + name, "jpg");
    QPixmap sharp = readPicture(QLatin1String(":/signs/") + name.chopped(4) + QLatin1String("@2x.jpg"), "jpg");
    sharp.setDevicePixelRatio(2);
    return sharp;
}
