#include "ui/frmMain.h"

#include "game/SoundPlayer.h"
#include "ui/HelpWindow.h"
#include "ui/MenuBarStyle.h"
#include "ui/RoadView.h"
#include "ui/StatusRow.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"
#include "ui/frmBest.h"
#include "ui/frmSound.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLocale>
#include <QMenuBar>

namespace {

// The client area below the menu bar, in twips.
constexpr double clientWidth = 3540;
constexpr double clientHeight = 6795;

} // namespace

frmMain::frmMain(Outside outside, std::string programFolder,
                 std::function<QStringList()> soundFileTypes, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      mOutside(outside),
      mSoundFileTypes(std::move(soundFileTypes)),
      mControls(outside.texts),
      mSoundChoice(outside.store, outside.sound),
      mGame(mControls, mSoundChoice,
            Outside{outside.store, outside.sound, outside.random, outside.clock, *this, outside.texts}, *this,
            QLocale().decimalPoint().toStdString(), std::move(programFolder)),
      mMenus(mGame, outside.store, *this, outside.texts, QLocale().decimalPoint().toStdString()),
      mBestDistances(outside.store)
{
    //: The game window's title: the game's name, said with excitement
    setWindowTitle(tr("Vandrel!"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/vandrel.ico")));

    auto* client = new QWidget(this);
    client->setFixedSize(Twips::ToPixels(clientWidth), Twips::ToPixels(clientHeight));
    mRoad = new RoadView(mControls, client);
    mRoad->setGeometry(Twips::ToPixels(*mControls.picRoad));
    mRoad->setObjectName(QStringLiteral("picRoad"));
    //: The road the cars drive on, as screen readers name it
    mRoad->setAccessibleName(tr("Road"));
    mStatus = std::make_unique<StatusRow>(
        client,
        std::array<QRect, 3>{Twips::ToPixels(*mControls.lblSpeed), Twips::ToPixels(*mControls.lblTime),
                             Twips::ToPixels(*mControls.lblDist)},
        client->width() - StatusRow::gap);
    setCentralWidget(client);
    BuildMenus();
    setFixedSize(sizeHint());

    mTimer1.setParent(this);
    mTimer1.setObjectName(QStringLiteral("Timer1"));
    mTimer1.setTimerType(Qt::PreciseTimer);
    connect(&mTimer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(mRoad, &RoadView::keyDown, this, &frmMain::picRoad_KeyDown);

    mGame.GameStart();
    Sync();
    mRoad->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::BuildMenus()
{
    // The road keeps the keys whatever way a menu is closed.
    auto* style = new MenuBarStyle();
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    // Opening either menu, with the mouse or with Alt and its letter, pauses.
    for (QMenu* menu : {game, help})
        connect(menu, &QMenu::aboutToShow, this, [this] { Command(&MenuCommands::mnuMenu_Click); });

    const auto addItem = [this](QMenu* menu, const QString& caption, const char* name,
                                auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    addItem(game, tr("&New Game"), "mnuNewGame", [this] { Command(&MenuCommands::mnuNewGame_Click); });
    addItem(game, tr("Set &Speed"), "mnuSetSpeed", [this] { Command(&MenuCommands::mnuSetSpeed_Click); });
    addItem(game, tr("Set &Time"), "mnuSetTime", [this] { Command(&MenuCommands::mnuSetTime_Click); });
    addItem(game, tr("&Sound..."), "mnuSound", [this] { mnuSound_Click(); });
    // The table at any time; the menu has paused the game, and it stays paused.
    addItem(game, tr("&Best Distances..."), "mnuBestDistances", [this] { ShowBestDistances(0); });
    // Exit ends the program at once, without the closing steps.
    addItem(game, tr("E&xit"), "mnuExit", [] { QCoreApplication::exit(0); });
    addItem(help, tr("&Help"), "mnuHelp", [this] { mnuHelp_Click(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSeperator"));
    addItem(help, tr("&About"), "mnuAbout", [this] { Command(&MenuCommands::mnuAbout_Click); });
}

void frmMain::Command(void (MenuCommands::*command)())
{
    (mMenus.*command)();
    Sync();
}

void frmMain::mnuSound_Click()
{
    if (!mSoundDialog) {
        mSoundDialog = std::make_unique<frmSound>(mSoundChoice, this, mSoundFileTypes);
        connect(mSoundDialog.get(), &frmSound::helpRequested, this, &frmMain::ShowHelp);
    }
    mSoundDialog->show();
    hide();
}

void frmMain::mnuHelp_Click()
{
    // Stands in for a pressed F1: delivered to the road like a real one, it pauses
    // the game and opens the help.
    QCoreApplication::postEvent(mRoad, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

void frmMain::ShowHelp()
{
    if (!mHelp)
        mHelp = std::make_unique<HelpWindow>();
    mHelp->ShowOver(*this);
}

void frmMain::Timer1_Timer()
{
    mGame.Tick();
    Sync();
}

void frmMain::picRoad_KeyDown(int keyCode)
{
    mGame.KeyDown(keyCode);
    Sync();
    if (keyCode == Game::vkF1)
        ShowHelp();
}

void frmMain::Sync()
{
    mStatus->Show({mControls.lblSpeed->Caption, mControls.lblTime->Caption,
                   mControls.lblDist->Caption});
    // Setting the interval restarts a running timer: only when it changes, or every
    // event would push the next tick back.
    if (mTimer1.interval() != mControls.Timer1.Interval)
        mTimer1.setInterval(mControls.Timer1.Interval);
    if (mControls.Timer1.Enabled && !mTimer1.isActive())
        mTimer1.start();
    else if (!mControls.Timer1.Enabled && mTimer1.isActive())
        mTimer1.stop();
    mRoad->Refresh();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        mGame.PauseIt();
        Sync();
    }
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    mRoad->setFocus();
    WindowPlacement::CentreOnScreenOnce(*this);
}

void frmMain::Unload()
{
    close();
}

void frmMain::ShowBestDistances(std::size_t newRank)
{
    Sync(); // over the game as it is now, as a box
    frmBest table(mBestDistances, *this, QLocale().decimalPoint().toStdString(), newRank, this);
    table.exec();
}

Dialogs::Answer frmMain::MsgBox(const std::string& prompt, Style style, const std::string& title)
{
    Sync(); // the box opens over the game as it is now, not as the last tick left it
    return mOutside.dialogs.MsgBox(prompt, style, title);
}

std::string frmMain::InputBox(const std::string& prompt, const std::string& title,
                              const std::string& preset)
{
    Sync();
    return mOutside.dialogs.InputBox(prompt, title, preset);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    mTimer1.stop();
    mOutside.sound.StopSound();
    mSoundDialog.reset();
    mHelp.reset();
    event->accept();
}
