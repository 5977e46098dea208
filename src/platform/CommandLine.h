#pragma once

class QCoreApplication;

// The program's command line: --help, --version and Qt's own options (-platform,
// -style, -display...), nothing else.
namespace CommandLine {

// Before the application object exists: answers --help or --version on standard
// output, or refuses an unknown option or an argument, and ends the program, so
// that all of them work on a terminal with no window system. Returns when the
// command line holds nothing else than Qt's own options.
void AnswerQueries(int argc, char* argv[]);

// Once Qt has taken its own options from the command line: an option left over, one
// that this platform does not take (-nograb off X11), ends the program with a
// message on standard error and status 1.
void RefuseTheRest(const QCoreApplication& app);

} // namespace CommandLine
