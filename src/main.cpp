#include "game/RandomGenerator.h"
#include "platform/LazySoundPlayer.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsStore.h"
#include "platform/QuitOnSignal.h"
#include "platform/SystemClock.h"
#include "ui/QtDialogs.h"
#include "ui/frmMain.h"
#include "ui/frmSplash.h"

#include <QApplication>

#include <memory>

// Shows the splash window and runs the event loop until the last window closes.
int main(int argc, char* argv[])
{
    QuitOnSignal quitOnSignal; // before the application starts any thread
    QApplication app(argc, argv);
    quitOnSignal.Watch([] { QCoreApplication::exit(0); });
    QApplication::setApplicationName(QStringLiteral("Vandrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANDREL_VERSION));
    // The Wayland app id, so the desktop matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vandrel.Vandrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/vandrel.ico")));

    QtSettingsStore store;
    LazySoundPlayer sound(SoundModulePath());
    RandomGenerator random;
    SystemClock clock;
    QtDialogs dialogs;
    std::unique_ptr<frmMain> window;

    // Deletes itself once it has handed over to the main window.
    auto* splash = new frmSplash([&] {
        if (!window) {
            window = std::make_unique<frmMain>(Outside{store, sound, random, clock, dialogs},
                                               ProgramFolder(),
                                               [&sound] { return sound.FileTypes(); });
            dialogs.SetOwner(window.get());
        }
        window->show();
    });
    splash->show();
    return app.exec();
}
