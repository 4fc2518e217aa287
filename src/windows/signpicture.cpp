#include "signpicture.h"

#include "core/signpictures.h"
#include "picturefile.h"

QPixmap signPicture(int number, qreal devicePixelRatio)
{
    const bool doubleSize = devicePixelRatio > 1;
    const QString resource = signPictureResource(number, doubleSize);
    if (resource.isEmpty())
        return {};
    QPixmap picture = readPicture(resource, "jpg");
    picture.setDevicePixelRatio(doubleSize ? 2 : 1);
    return picture;
}
