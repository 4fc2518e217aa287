// Prints the update reminder's stored date as the program would read it back from
// the settings file on disk (decoded), or nothing when there is none.
#include "web/updatereminder.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QSettings store(QStringLiteral("VLFreeVestastra"));
    const QString key = QLatin1String("Settings/") + EncodeSetting(QStringLiteral("Duration"));
    std::puts(qPrintable(DecodeSetting(store.value(key).toString())));
    return 0;
}
