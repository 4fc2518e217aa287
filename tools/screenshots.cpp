// Draws each window of the program, and a reading on both tabs, into PNG files:
//   vestastra_screenshots OUTPUT_FOLDER [SCALE]
// Runs on any Qt platform; with QT_QPA_PLATFORM=offscreen it needs no display.
#include "shell/forms.h"
#include "windows/frmabout.h"
#include "windows/frmdisplay.h"
#include "windows/frmmain.h"
#include "windows/frmnagscreen2.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

namespace {

void save(QWidget &window, const QString &folder, const QString &name)
{
    window.grab().save(QDir(folder).filePath(name + QLatin1String(".png")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    frmMain &input = Forms::get<frmMain>();
    input.show();
    save(input, folder, QStringLiteral("input-window"));

    frmDisplay &reading = Forms::get<frmDisplay>();
    reading.show();
    save(reading, folder, QStringLiteral("reading-sun-sign"));
    reading.SSTab1->setCurrentIndex(1);
    save(reading, folder, QStringLiteral("reading-fashion"));

    frmAbout &about = Forms::get<frmAbout>();
    about.show();
    save(about, folder, QStringLiteral("about-window"));

    frmNagScreen2 &exitScreen = Forms::get<frmNagScreen2>();
    exitScreen.show();
    save(exitScreen, folder, QStringLiteral("exit-screen"));
    return 0;
}
