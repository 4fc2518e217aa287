#include "picturefile.h"

#include "core/log.h"

#include <QImageReader>
#include <QResource>

QPixmap readPicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        qCWarning(vestastraLog) << "Cannot read the picture" << path << ":" << reader.errorString();
    return QPixmap::fromImage(picture);
}

QPixmap rawPicture(const QString &path, int side)
{
    // Refers to the program's own memory, with nothing copied, when stored uncompressed.
    const QByteArray bytes = QResource(path).uncompressedData();
    if (bytes.size() != qsizetype(side) * side * 4) {
        qCWarning(vestastraLog) << "Cannot read the picture" << path;
        return {};
    }
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(bytes.constData()), side, side, side * 4,
                                     QImage::Format_RGBA8888_Premultiplied));
}
