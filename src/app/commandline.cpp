#include "commandline.h"

#include "core/programinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    // A start without arguments, the usual one, pays nothing for this.
    if (argc < 2)
        return std::nullopt;
    // An application object of its own, without a display, which the windows' one
    // replaces when the program goes on.
    QCoreApplication parsing(argc, argv);
    QCoreApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(programTitle() + QLatin1String(": a sun-sign fashion reading."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    // What QGuiApplication and QApplication take from the command line themselves,
    // shown by --help-all.
    const bool all = QCoreApplication::arguments().contains(QLatin1String("--help-all"));
    const struct { const char *name; const char *value; const char *description; } qtOptions[] = {
        {"platform", "name", "The Qt platform plugin to use (xcb, wayland...)."},
        {"platformpluginpath", "path", "Where to look for platform plugins."},
        {"platformtheme", "name", "The platform theme to use."},
        {"plugin", "name", "An extra Qt plugin to load."},
        {"display", "name", "The X display to use."},
        {"qwindowgeometry", "geometry", "The first window's geometry."},
        {"geometry", "geometry", "The same as -qwindowgeometry."},
        {"qwindowtitle", "title", "The first window's title."},
        {"title", "title", "The same as -qwindowtitle."},
        {"qwindowicon", "file", "The windows' icon."},
        {"style", "name", "The widget style to use."},
        {"stylesheet", "file", "A style sheet for the widgets."},
        {"session", "id", "The session to restore."},
        {"name", "name", "The application name for the X resources."},
        {"reverse", nullptr, "Lays the windows out from right to left."},
        {"widgetcount", nullptr, "Prints how many widgets were made and left at the end."},
        {"nograb", nullptr, "Never grabs the mouse or the keyboard."},
        {"dograb", nullptr, "Grabs the mouse and the keyboard even under a debugger."},
        {"sync", nullptr, "Talks to the X server synchronously, for debugging."},
    };
    for (const auto &qt : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromLatin1(qt.description),
                                  QString::fromLatin1(qt.value));
        if (!all)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s: %s (see --help)\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s\n", qPrintable(programTitleWithVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: takes no file or other argument: %s (see --help)\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(parser.positionalArguments().first()));
        return 2;
    }
    return std::nullopt;
}
