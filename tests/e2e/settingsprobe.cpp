// Prints the update reminder's stored date as the program would read it back from
// the settings file on disk (decoded), or nothing when there is none.
#include "core/reminderrules.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QSettings store(QStringLiteral("VLFreeVestastra"));
    std::puts(qPrintable(decodeSetting(store.value(reminderSettingKey()).toString())));
    return 0;
}
