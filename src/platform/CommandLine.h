#pragma once

class QCoreApplication;

// The program's command line: --help, --version and Qt's own options (-platform,
// -style, -display...), nothing else.
namespace CommandLine {

// Before the application object exists: answers --help or --version on standard
// output and ends the program, so that both work on a terminal with no window
// system. Returns when neither was asked for.
void AnswerQueries(int argc, char* argv[]);

// Once Qt has taken its own options from the command line: anything left over ends
// the program with a message on standard error and status 1.
void RefuseTheRest(const QCoreApplication& app);

} // namespace CommandLine
