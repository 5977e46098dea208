#include "platform/QuitOnSignal.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>
#endif

QuitOnSignal::QuitOnSignal()
{
#ifdef Q_OS_LINUX
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&stopSignals, signal);
    // Blocked here, in the first thread, and so in every thread started later: the
    // signals wait in the descriptor the event loop reads.
    if (pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr) != 0)
        return;
    mFd = signalfd(-1, &stopSignals, SFD_CLOEXEC | SFD_NONBLOCK);
#endif
}

void QuitOnSignal::Watch(std::function<void()> quit)
{
#ifdef Q_OS_LINUX
    if (mFd < 0)
        return;
    mQuit = std::move(quit);
    mNotifier = new QSocketNotifier(mFd, QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, [this] {
        signalfd_siginfo info;
        while (read(mFd, &info, sizeof info) == ssize_t(sizeof info)) {
        }
        mRequested = true;
        mQuit();
    });
#endif
}

QuitOnSignal::~QuitOnSignal()
{
#ifdef Q_OS_LINUX
    delete mNotifier;
    if (mFd >= 0)
        close(mFd);
#endif
}
