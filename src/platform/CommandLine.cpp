#include "platform/CommandLine.h"

#include "platform/PlayerLanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace CommandLine {

namespace {

// Qt's own texts for its help options (Qt 6.4's, then later Qt's), which Qt's French
// and Spanish translations lack: the game's translations carry them, and Qt's,
// looked up first, win where they have them.
[[maybe_unused]] constexpr const char* qtOptionTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help, including generic Qt options."),
};

void Describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A car game: dodge the traffic on a three-lane road.\n"
                       "Qt's own options, such as -platform and -style, work too."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

void AnswerQueries(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    Describe(parser);
    // Qt's own options are not known here, so errors wait for RefuseTheRest.
    parser.parse(arguments);
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!version && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all")))
        return;
    const QCoreApplication terminal(argc, argv); // the help names the program from it
    if (version)
        parser.showVersion();
    const PlayerLanguage language;
    QCommandLineParser translated; // its texts, and Qt's, in the player's language
    Describe(translated);
    translated.parse(arguments);
    translated.showHelp();
}

void RefuseTheRest(const QCoreApplication& app)
{
    QCommandLineParser parser; // --help and --version were answered before
    parser.process(app);       // an unknown option: a message and status 1
    if (const QStringList rest = parser.positionalArguments(); !rest.isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("CommandLine", "%1: unexpected argument '%2'.")
                                    .arg(QCoreApplication::applicationName(), rest.first())));
        std::exit(EXIT_FAILURE);
    }
}

} // namespace CommandLine
