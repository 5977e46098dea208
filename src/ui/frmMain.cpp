#include "ui/frmMain.h"

#include "game/SoundPlayer.h"
#include "ui/HelpWindow.h"
#include "ui/RoadView.h"
#include "ui/Twips.h"
#include "ui/frmSound.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>

namespace {

// The client area below the menu bar, in twips.
constexpr double clientWidth = 3540;
constexpr double clientHeight = 6795;

} // namespace

frmMain::frmMain(Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      mServices(std::move(services)),
      mSoundChoice(mServices.store, mServices.sound),
      mGame(mControls, mSoundChoice,
            Game::Outside{mServices.store, mServices.sound, mServices.random, mServices.clock,
                          mServices.dialogs, *this},
            QLocale().decimalPoint().toStdString(), mServices.programFolder),
      mMenus(mGame, mServices.store, mServices.dialogs)
{
    setWindowTitle(QStringLiteral("Vandrel!"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/vandrel.ico")));

    auto* client = new QWidget(this);
    client->setFixedSize(Twips::ToPixels(clientWidth), Twips::ToPixels(clientHeight));
    mRoad = new RoadView(mControls, client);
    mRoad->setGeometry(Twips::ToPixels(*mControls.picRoad));
    mSpeedLabel = AddStatusLabel(client, *mControls.lblSpeed);
    mTimeLabel = AddStatusLabel(client, *mControls.lblTime);
    mDistLabel = AddStatusLabel(client, *mControls.lblDist);
    setCentralWidget(client);
    BuildMenus();
    setFixedSize(sizeHint());

    mTimer1.setTimerType(Qt::PreciseTimer);
    connect(&mTimer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(mRoad, &RoadView::keyDown, this, &frmMain::picRoad_KeyDown);

    mGame.GameStart();
    Sync();
    mRoad->setFocus();
}

frmMain::~frmMain() = default;

QLabel* frmMain::AddStatusLabel(QWidget* parent, const Control& control)
{
    auto* label = new QLabel(parent);
    label->setGeometry(Twips::ToPixels(control));
    return label;
}

void frmMain::BuildMenus()
{
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
        mSoundDialog = std::make_unique<frmSound>(mSoundChoice, this);
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
    mHelp->ShowHelp();
}

void frmMain::Timer1_Timer()
{
    mGame.Tick();
    Sync();
}

void frmMain::picRoad_KeyDown(int keyCode, int shift)
{
    mGame.KeyDown(keyCode, shift);
    Sync();
    if (keyCode == Game::vkF1)
        ShowHelp();
}

void frmMain::ShowCaption(QLabel* label, const Control& control)
{
    const QString text = QString::fromStdString(control.Caption);
    if (label->text() == text)
        return;
    label->setText(text);
    // Fonts differ from system to system: a text never gets cut off.
    label->resize(std::max(Twips::ToPixels(control.Width), label->sizeHint().width()),
                  label->height());
}

void frmMain::Sync()
{
    ShowCaption(mSpeedLabel, *mControls.lblSpeed);
    ShowCaption(mTimeLabel, *mControls.lblTime);
    ShowCaption(mDistLabel, *mControls.lblDist);
    // Setting the interval restarts a running timer: only when it changes, or every
    // event would push the next tick back.
    if (mTimer1.interval() != mControls.Timer1.Interval)
        mTimer1.setInterval(mControls.Timer1.Interval);
    if (mControls.Timer1.Enabled && !mTimer1.isActive())
        mTimer1.start();
    else if (!mControls.Timer1.Enabled && mTimer1.isActive())
        mTimer1.stop();
    mRoad->update();
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
    if (!mCentred && screen()) {
        mCentred = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
}

void frmMain::Unload()
{
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    mTimer1.stop();
    mServices.sound.StopSound();
    mSoundDialog.reset();
    mHelp.reset();
    event->accept();
}
