#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Ends the program in good order when the session or the terminal asks it to
// (SIGTERM, SIGINT, SIGHUP): the request arrives through the event loop, which
// then ends as it does at Exit, so no code runs inside a signal handler. Create it
// first thing in main, before the application starts any thread, so that every
// thread leaves these signals to it; watch once the application exists. Elsewhere
// than on Linux it does nothing.
class QuitOnSignal final : public QObject
{
public:
    QuitOnSignal();
    ~QuitOnSignal() override;

    void Watch(std::function<void()> quit);

    // Whether a signal has come. Showing the first window processes events before
    // the event loop runs, and a quit asked for then ends no loop: the program
    // checks this before it enters its own.
    bool Requested() const { return mRequested; }

private:
    std::function<void()> mQuit;
    bool mRequested = false;
    int mFd = -1;
    QSocketNotifier* mNotifier = nullptr;
};
