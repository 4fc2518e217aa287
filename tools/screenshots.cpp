// Draws each window of the program, and a reading on both tabs, into PNG files:
//   vestastra_screenshots OUTPUT_FOLDER [SCALE]
// Runs on any Qt platform; with QT_QPA_PLATFORM=offscreen it needs no display.
#include "reading/showreading.h"
#include "shell/forms.h"
#include "shell/frmnagscreen.h"
#include "windows/frmabout.h"
#include "windows/frmdisplay.h"
#include "windows/frmmain.h"
#include "windows/frmnagscreen2.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

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

    // The program starts as usual, with a settings store of its own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Forms::get<frmNagScreen>();

    frmMain &input = Forms::get<frmMain>();
    input.txtFirstName->setText(QStringLiteral("ANNA"));
    input.txtLastName->setText(QStringLiteral("LEE"));
    input.cboDate->setCurrentIndex(22);
    input.cboMonth->setCurrentIndex(6);
    input.cboYear->setCurrentIndex(90);
    save(input, folder, QStringLiteral("input-window"));

    ShowReading();
    frmDisplay &reading = Forms::get<frmDisplay>();
    save(reading, folder, QStringLiteral("reading-sun-sign"));
    reading.SSTab1->setCurrentIndex(1);
    save(reading, folder, QStringLiteral("reading-fashion"));
    reading.lblFullBrand->raise();
    save(reading, folder, QStringLiteral("reading-fully-branded-offer"));

    frmAbout &about = Forms::get<frmAbout>();
    about.show();
    save(about, folder, QStringLiteral("about-window"));

    frmNagScreen2 &exitScreen = Forms::get<frmNagScreen2>();
    exitScreen.show();
    save(exitScreen, folder, QStringLiteral("exit-screen"));
    return 0;
}
