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

// Qt's own options, as its application objects take them on X11 and Wayland, with
// a value where they take one: known before Qt starts, so that a wrong option is
// refused with a message even where Qt could not start for want of a display.
void AddQtOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
                             "geometry", "name", "title", "visual", "qmljsdebugger"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
}

// An unknown option or an argument: a message on standard error and status 1.
[[noreturn]] void Refuse(const QCommandLineParser& parser)
{
    const QString program = QCoreApplication::applicationName();
    const QString message = parser.errorText().isEmpty()
        ? QCoreApplication::translate("CommandLine", "%1: unexpected argument '%2'.")
              .arg(program, parser.positionalArguments().first())
        : program + QStringLiteral(": ") + parser.errorText();
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

} // namespace

void AnswerQueries(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser; // the game's options and Qt's
    Describe(parser);
    AddQtOptions(parser);
    const bool wrong = !parser.parse(arguments) || !parser.positionalArguments().isEmpty();
    const bool version = parser.isSet(QStringLiteral("version"));
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!version && !help && !wrong)
        return;
    const QCoreApplication terminal(argc, argv); // the help names the program from it
    if (version)
        parser.showVersion();
    const PlayerLanguage language;
    if (!help)
        Refuse(parser); // in the player's language
    QCommandLineParser translated; // its texts, and Qt's, in the player's language
    Describe(translated);
    translated.showHelp();
}

void RefuseTheRest(const QCoreApplication& app)
{
    QCommandLineParser parser; // --help and --version were answered before, arguments refused
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.process(app); // an option left over: a message and status 1
}

} // namespace CommandLine
