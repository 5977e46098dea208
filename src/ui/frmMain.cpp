#include "ui/frmMain.h"

#include "game/SoundPlayer.h"
#include "ui/HelpWindow.h"
#include "ui/MenuBarStyle.h"
#include "ui/RoadView.h"
#include "ui/StatusRow.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"
#include "ui/WindowPlacement.h"
#include "ui/frmBest.h"
#include "ui/frmKeys.h"
#include "ui/frmSound.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// The client area below the menu bar, in twips.
constexpr double clientWidth = 3540;
constexpr double clientHeight = 6795;

// The client area at zoom 1, in logical pixels.
QSize Designed()
{
    return {Twips::ToPixels(clientWidth), Twips::ToPixels(clientHeight)};
}

// Counts a box open over the road for as long as it is.
struct BoxOpen
{
    explicit BoxOpen(int& boxes) : mBoxes(boxes) { ++mBoxes; }
    ~BoxOpen() { --mBoxes; }
    BoxOpen(const BoxOpen&) = delete;
    BoxOpen& operator=(const BoxOpen&) = delete;
    int& mBoxes;
};

} // namespace

frmMain::frmMain(Outside outside, std::string programFolder,
                 std::function<QStringList()> soundFileTypes, Gamepad& pad, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                              | Qt::WindowCloseButtonHint),
      mOutside(outside),
      mSoundFileTypes(std::move(soundFileTypes)),
      mControls(outside.texts),
      mSoundChoice(outside.store, outside.sound),
      mGame(mControls, mSoundChoice,
            Outside{outside.store, outside.sound, outside.random, outside.clock, *this, outside.texts}, *this,
            QLocale().decimalPoint().toStdString(), std::move(programFolder)),
      mMenus(mGame, outside.store, *this, outside.texts, QLocale().decimalPoint().toStdString()),
      mBestDistances(outside.store),
      mView(outside.store),
      mKeys(outside.store),
      mPad(pad)
{
    //: The game window's title: the game's name, said with excitement
    setWindowTitle(tr("Vandrel!"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/vandrel.ico")));

    mStage = new QWidget(this);
    mStage->setMinimumSize(Designed());
    mStage->installEventFilter(this);
    mClient = new QWidget(mStage);
    mRoad = new RoadView(mControls, mClient, FramePacer::PlatformClock(QGuiApplication::platformName()));
    mRoad->setObjectName(QStringLiteral("picRoad"));
    //: The road the cars drive on, as screen readers name it
    mRoad->setAccessibleName(tr("Road"));
    mStatus = std::make_unique<StatusRow>(
        mClient,
        std::array<QRect, 3>{Twips::ToPixels(*mControls.lblSpeed), Twips::ToPixels(*mControls.lblTime),
                             Twips::ToPixels(*mControls.lblDist)},
        Designed().width() - StatusRow::gap);
    setCentralWidget(mStage);
    BuildMenus();
    // As the player left it, on the screen it opens on.
    ZoomTo(std::min(mView.Zoom(), LargestZoom()));
    if (mView.FullScreen())
        setWindowState(windowState() | Qt::WindowFullScreen);

    mTimer1.setParent(this);
    mTimer1.setObjectName(QStringLiteral("Timer1"));
    mTimer1.setTimerType(Qt::PreciseTimer);
    connect(&mTimer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(mRoad, &RoadView::keyDown, this, &frmMain::picRoad_KeyDown);

    mPad.SetListener(this);
    mGame.GameStart();
    Sync();
    mRoad->setFocus();
}

frmMain::~frmMain()
{
    mPad.SetListener(nullptr);
    mPad.SetLooking(false);
}

void frmMain::BuildMenus()
{
    // The road keeps the keys whatever way a menu is closed.
    auto* style = new MenuBarStyle();
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    // Opening any menu, with the mouse or with Alt and its letter, pauses.
    for (QMenu* menu : {game, view, help})
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
    addItem(game, tr("&Keys..."), "mnuKeys", [this] { mnuKeys_Click(); });
    // The table at any time; the menu has paused the game, and it stays paused.
    addItem(game, tr("&Best Distances..."), "mnuBestDistances", [this] { ShowBestDistances(0); });
    // Exit ends the program at once, without the closing steps.
    addItem(game, tr("E&xit"), "mnuExit", [] { QCoreApplication::exit(0); });
    addItem(help, tr("&Help"), "mnuHelp", [this] { mnuHelp_Click(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSeperator"));
    addItem(help, tr("&About"), "mnuAbout", [this] { Command(&MenuCommands::mnuAbout_Click); });
    BuildViewMenu(view);
}

void frmMain::BuildViewMenu(QMenu* view)
{
    const auto addItem = [this, view](QAction*& action, const QString& caption, const char* name,
                                      const QList<QKeySequence>& keys, auto handler) {
        action = view->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
    };
    QList<QKeySequence> zoomIn = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    zoomIn << QKeySequence(Qt::CTRL | Qt::Key_Equal); // Ctrl and the key of + without Shift
    addItem(mZoomIn, tr("Zoom &In"), "mnuZoomIn", zoomIn, [this] { ZoomTo(mRoad->Zoom() + 1); });
    addItem(mZoomOut, tr("Zoom &Out"), "mnuZoomOut", QKeySequence::keyBindings(QKeySequence::ZoomOut),
            [this] { ZoomTo(mRoad->Zoom() - 1); });
    addItem(mActualSize, tr("&Actual Size"), "mnuActualSize", {QKeySequence(Qt::CTRL | Qt::Key_0)},
            [this] { ZoomTo(1); });
    view->addSeparator();
    addItem(mFullScreen, tr("&Full Screen"), "mnuFullScreen", {QKeySequence(Qt::Key_F11)},
            [this](bool on) { SetFullScreen(on); });
    mFullScreen->setCheckable(true);
    mFullScreen->setChecked(mView.FullScreen());
    addItem(mSmooth, tr("Smooth &Motion"), "mnuSmoothMotion", {}, [this](bool on) {
        mView.SetSmoothMotion(on);
        Sync();
    });
    mSmooth->setCheckable(true);
    mSmooth->setChecked(mView.SmoothMotion());
}

int frmMain::LargestZoom() const
{
    const QScreen* onScreen = screen();
    if (!onScreen)
        return 1;
    // The window's frame as the window manager draws it (none yet before it shows)
    // and the menu bar go around the game.
    const QSize room = onScreen->availableGeometry().size() - (frameGeometry().size() - geometry().size())
                       - QSize(0, menuBar()->sizeHint().height());
    const int fits = std::min(room.width() / Designed().width(), room.height() / Designed().height());
    return std::clamp(fits, 1, ViewSettings::largestZoom);
}

void frmMain::ZoomTo(int zoom)
{
    zoom = std::clamp(zoom, 1, LargestZoom());
    if (isVisible())
        mView.SetZoom(zoom); // the player's choice; the start's own sizing is not one
    setWindowState(windowState() & ~Qt::WindowMaximized);
    const QSize wanted = Designed() * zoom;
    // The window's layout gives the stage its new size at once, and the stage's
    // resize fits the game to it.
    resize(wanted.width(), wanted.height() + menuBar()->sizeHint().height());
}

void frmMain::Fit()
{
    const QSize room = mStage->size();
    const int zoom = std::max(1, std::min(room.width() / Designed().width(), room.height() / Designed().height()));
    const QSize drawn = Designed() * zoom;
    mClient->setGeometry(QRect(QPoint((room.width() - drawn.width()) / 2, (room.height() - drawn.height()) / 2), drawn));
    mRoad->SetZoom(zoom);
    mRoad->setGeometry(Twips::Zoomed(Twips::ToPixels(*mControls.picRoad), zoom));
    mStatus->SetZoom(zoom);
    const bool windowed = !isFullScreen();
    mZoomIn->setEnabled(windowed && zoom < LargestZoom());
    mZoomOut->setEnabled(windowed && zoom > 1);
    mActualSize->setEnabled(windowed && zoom > 1);
}

void frmMain::SetFullScreen(bool on)
{
    mView.SetFullScreen(on); // the menu item, checkable, has checked itself
    setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mStage && event->type() == QEvent::Resize)
        Fit();
    return QMainWindow::eventFilter(watched, event);
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

void frmMain::mnuKeys_Click()
{
    // The menu has paused the game; the road takes the keys again once it closes.
    const BoxOpen open(mBoxes);
    frmKeys keys(mKeys, mOutside.dialogs, this);
    keys.exec();
    mRoad->setFocus();
}

void frmMain::mnuHelp_Click()
{
    // Stands in for a pressed help key: delivered to the road like a real one, it
    // pauses the game and opens the help.
    VirtualKeys::Press(mRoad, mKeys.Chosen()[KeyBindings::help][0].key());
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
    mRoad->Ticked();
    Sync(true);
}

void frmMain::picRoad_KeyDown(int qtKey)
{
    GameKey(mKeys.CodeOf(qtKey));
}

void frmMain::GameKey(int keyCode)
{
    mGame.KeyDown(keyCode);
    Sync();
    if (keyCode == Game::vkF1)
        ShowHelp();
}

void frmMain::PadPressed(Gamepad::Input input)
{
    using enum Gamepad::Input;
    QWidget* front = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
    if (!front && QApplication::activeWindow() != this)
        front = QApplication::activeWindow();
    if (front) {
        if (input == accept || input == cancel)
            VirtualKeys::Press(front->focusWidget() ? front->focusWidget() : front,
                               input == accept ? Qt::Key_Return : Qt::Key_Escape);
    } else if (isVisible()) {
        static constexpr std::array<int, 8> codes{Game::vkLeft, Game::vkRight, Game::vkUp, Game::vkDown,
                                                  Game::vkPause, KeyCodes::other, KeyCodes::other, KeyCodes::other};
        GameKey(codes[std::size_t(input)]);
    }
}

void frmMain::PadPulledOut()
{
    mGame.LookedAway();
    Sync();
}

void frmMain::Sync(bool ticked)
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
    // Over a box the road shows the game as the rules have it, as when it stops.
    const bool wasGliding = mRoad->Gliding();
    mRoad->SetGliding(mSmooth->isChecked() && mTimer1.isActive() && mBoxes == 0);
    if (!(ticked && wasGliding && mRoad->Gliding()))
        mRoad->Refresh();
    mPad.SetLooking(mTimer1.isActive());
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized()) {
            mGame.PauseIt();
            Sync();
        }
        mFullScreen->setChecked(isFullScreen()); // also when the window manager changed it
    }
    // Another program's window became the active one; the game's own boxes,
    // menus and windows pause or stop the game themselves. Asked once the
    // activation has settled, as focus passes between two windows of the game.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (!QApplication::activeWindow()) {
                mGame.LookedAway();
                Sync();
            }
        });
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
    const BoxOpen open(mBoxes);
    Sync(); // over the game as it is now, as a box
    frmBest table(mBestDistances, *this, QLocale().decimalPoint().toStdString(), newRank, this);
    table.exec();
}

Dialogs::Answer frmMain::MsgBox(const std::string& prompt, Style style, const std::string& title)
{
    const BoxOpen open(mBoxes);
    Sync(); // the box opens over the game as it is now, not as the last tick left it
    return mOutside.dialogs.MsgBox(prompt, style, title);
}

std::string frmMain::InputBox(const std::string& prompt, const std::string& title,
                              const std::string& preset)
{
    const BoxOpen open(mBoxes);
    Sync(); // over the game as it is now, as any box
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
