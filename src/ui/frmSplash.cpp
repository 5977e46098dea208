#include "ui/frmSplash.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

frmSplash::frmSplash(std::function<void()> showMain)
    : QSplashScreen(Picture(QGuiApplication::primaryScreen()
                                ? QGuiApplication::primaryScreen()->devicePixelRatio()
                                : 1.0)),
      mShowMain(std::move(showMain))
{
    setAttribute(Qt::WA_DeleteOnClose);
    mTimer.setSingleShot(true);
    mTimer.setInterval(2000);
    connect(&mTimer, &QTimer::timeout, this, &frmSplash::tmrSplash_Timer);
    mTimer.start();
}

void frmSplash::showEvent(QShowEvent* event)
{
    QSplashScreen::showEvent(event);
    FitPicture();
    if (!mFollowsScreen && windowHandle()) {
        mFollowsScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &frmSplash::FitPicture);
    }
}

void frmSplash::FitPicture()
{
    const qreal ratio = devicePixelRatio();
    if (pixmap().devicePixelRatio() != ratio)
        setPixmap(Picture(ratio));
}

void frmSplash::tmrSplash_Timer()
{
    // The main window first: closing the last window would end the program.
    mShowMain();
    close();
}

QPixmap frmSplash::Picture(qreal pixelRatio)
{
    // Drawn beforehand (tools/make_splash): no font has to be loaded before the
    // splash can show, which would make it the slowest step of the start.
    if (pixelRatio <= 1.0)
        return QPixmap(QStringLiteral(":/assets/splash.png"));
    QPixmap picture(QStringLiteral(":/assets/splash@2x.png"));
    if (pixelRatio != 2.0 && !picture.isNull())
        picture = picture.scaled(QSize(407, 310) * pixelRatio, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}
