#pragma once

#include <QPixmap>
#include <QString>

// A PNG picture of the program's or Qt's resources, read by Qt's own PNG reader
// alone. Even when told the format, Qt otherwise loads every image format plugin to
// ask whether one reads it instead: at start-up that is three plugins nothing needs.
QPixmap pngResource(const QString &path);
