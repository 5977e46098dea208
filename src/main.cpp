#include "Program.h"
#include "game/Game.h"
#include "game/RandomGenerator.h"
#include "platform/CommandLine.h"
#include "platform/LazyGamepad.h"
#include "platform/LazySoundPlayer.h"
#include "platform/PlayerLanguage.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsStore.h"
#include "platform/QuitOnSignal.h"
#include "platform/SystemClock.h"
#include "ui/QtDialogs.h"
#include "ui/frmMain.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QStyleHints>

#include <functional>
#include <memory>

namespace {

// The game draws with the processor only, yet on Wayland Qt 6.4 loads the OpenGL
// driver (some 55 MB, and a leak of its own at exit) just to ask whether it may
// draw window title bars: its client buffer integration decides that, and loading
// it loads the driver. Qt's own switch for programs that need no such integration
// is QT_WAYLAND_DISABLE_WINDOWDECORATION, which it checks first. Unlike naming a
// client buffer integration that does not exist, it prints no warning and leaves
// nothing half-loaded. The price is that Qt draws no title bar where the
// compositor does not draw one itself (GNOME, Weston); KDE and wlroots compositors
// draw their own. A player who sets either variable gets what was set.
void PreferRasterOnWayland()
{
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION")
        && !qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

} // namespace

// Shows the splash window and runs the event loop until the last window closes.
int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QLatin1String(Program::name));
    QApplication::setApplicationVersion(QLatin1String(Program::version));
    CommandLine::AnswerQueries(argc, argv);
    PreferRasterOnWayland();
    QuitOnSignal quitOnSignal; // before the application starts any thread
    QApplication app(argc, argv);
    PlayerLanguage language;
    CommandLine::RefuseTheRest(app);
    quitOnSignal.Watch([] { QCoreApplication::exit(0); });
    // The Wayland app id, so the desktop matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(Program::desktopId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/vandrel.ico")));

    QtSettingsStore store;
    LazySoundPlayer sound(SoundModulePath());
#ifdef Q_OS_LINUX
    const QString inputDevices = QStringLiteral("/proc/bus/input/devices");
#else
    const QString inputDevices; // none to read: the module is loaded at the first look
#endif
    LazyGamepad pad(GamepadModulePath(), inputDevices, QGuiApplication::styleHints()->keyboardAutoRepeatRate());
    RandomGenerator random;
    SystemClock clock;
    QtDialogs dialogs;
    // A broken installation plays on without its bonus sound, and says so.
    const std::string folder = ProgramFolder();
    if (!QFileInfo::exists(QString::fromStdString(folder + "/" + Game::bonusSound)))
        qWarning("Vandrel: no bonus sound: %s is not in %s", Game::bonusSound, folder.c_str());
    std::unique_ptr<frmMain> window;

    // Deletes itself once it has handed over to the main window; one still up
    // when the program ends early is deleted here.
    const QPointer<frmSplash> splash = new frmSplash([&] {
        if (!window) {
            window = std::make_unique<frmMain>(Outside{store, sound, random, clock, dialogs, language},
                                               folder,
                                               std::bind_front(&LazySoundPlayer::FileTypes, &sound), pad);
            dialogs.SetOwner(window.get());
        }
        window->show();
    });
    splash->show();
    // A quit asked for while the splash came up has no loop to end yet.
    const int status = quitOnSignal.Requested() ? 0 : app.exec();
    delete splash.data();
    return status;
}
