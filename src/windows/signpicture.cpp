#include "signpicture.h"

#include "core/signcatalogue.h"
#include "picturefile.h"

QPixmap signPicture(Sign sign, qreal devicePixelRatio)
{
    const bool doubleSize = devicePixelRatio > 1;
    // Kept under the sign's name, "Aries.jpg" to "Pisces.jpg", and each at twice the size.
    const QString resource = QLatin1String(":/signs/") + signProfile(sign).name
                             + (doubleSize ? QLatin1String("@2x.jpg") : QLatin1String(".jpg"));
    QPixmap picture = readPicture(resource, "jpg");
    picture.setDevicePixelRatio(doubleSize ? 2 : 1);
    return picture;
}
