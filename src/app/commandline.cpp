#include "commandline.h"

#include "core/programinfo.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <vector>

namespace {

void addProgramOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(programTitle() + QLatin1String(": a sun-sign fashion reading."));
    // Qt's options are words after one dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

std::optional<int> answerWithoutDisplay(int argc, char *argv[])
{
    // A start without arguments, the usual one, pays nothing for this.
    if (argc < 2)
        return std::nullopt;
    QCommandLineParser parser;
    addProgramOptions(parser);
    {
        // An application object of its own, which needs no display, for the usage line.
        QCoreApplication parsing(argc, argv);
        // Qt's own options are unknown to this parser: only what it knows is looked at.
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("version"))) {
            std::printf("%s\n", qPrintable(programTitleWithVersion()));
            return 0;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(qPrintable(parser.helpText()), stdout);
            return 0;
        }
        if (!parser.isSet(QStringLiteral("help-all")))
            return std::nullopt;
    }
    // Qt lists its own options only through an application object of the kind that
    // takes them; on the platform that needs no display, after any the user named.
    std::vector<char *> withoutDisplay(argv, argv + argc);
    char platformOption[] = "-platform";
    char minimal[] = "minimal";
    withoutDisplay.insert(withoutDisplay.end(), {platformOption, minimal, nullptr});
    int count = argc + 2;
    QApplication helping(count, withoutDisplay.data());
    if (const std::optional<int> wrong = checkArguments(QCoreApplication::arguments()))
        return wrong;
    parser.process(QCoreApplication::arguments()); // prints and ends the program
    return 0;
}

std::optional<int> checkArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    addProgramOptions(parser);
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s (see --help)\n", qPrintable(program), qPrintable(parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: takes no file or other argument: %s (see --help)\n", qPrintable(program),
                     qPrintable(parser.positionalArguments().constFirst()));
        return 2;
    }
    return std::nullopt;
}
