#include "pngresource.h"

#include <QImageReader>

QPixmap pngResource(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
