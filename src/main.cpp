#include "game/RandomGenerator.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"
#include "platform/WavePlayer.h"
#include "ui/QtDialogs.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtSettingsStore store;
    WavePlayer sound;
    RandomGenerator random;
    SystemClock clock;
    QtDialogs dialogs;
    frmMain window({store, sound, random, clock, dialogs, ProgramFolder()});
    window.show();
    return app.exec();
}
