#include "ui/frmSplash.h"

#include "Program.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

frmSplash::frmSplash(std::function<void()> showMain)
    // The densest screen's picture; one for another screen is made once it shows there.
    : QSplashScreen(Picture(qGuiApp->devicePixelRatio())),
      mShowMain(std::move(showMain))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(tr("Vandrel is starting"));
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

void frmSplash::drawContents(QPainter* painter)
{
    // The version line is in the player's language, so it is written here rather
    // than drawn beforehand, and only after the picture is up: the font it loads
    // would hold the picture back.
    if (message().isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            showMessage(tr("Version %1").arg(QLatin1String(Program::shortVersion)));
        });
        return;
    }
    QFont version = font();
    version.setPixelSize(16);
    painter->setFont(version);
    painter->setPen(Qt::white);
    painter->drawText(QRect(0, 112, 407, 30), Qt::AlignCenter, message());
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
