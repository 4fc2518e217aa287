#include "picturefile.h"

#include "core/log.h"

#include <QImageReader>

QPixmap readPicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        qCWarning(vestastraLog) << "Cannot read the picture" << path << ":" << reader.errorString();
    return QPixmap::fromImage(picture);
}
