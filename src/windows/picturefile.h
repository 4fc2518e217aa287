#pragma once

#include <QPixmap>
#include <QString>

// A picture read by the one reader of its format ("png", "jpg"), with no format
// detection: even when told the format, Qt otherwise loads every image format plugin
// to ask whether one reads the file instead.
QPixmap readPicture(const QString &path, const char *format);
