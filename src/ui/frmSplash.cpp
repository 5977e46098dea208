#include "ui/frmSplash.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QLinearGradient>
#include <QPainter>

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

void frmSplash::tmrSplash_Timer()
{
    // The main window first: closing the last window would end the program.
    mShowMain();
    close();
}

QPixmap frmSplash::Picture(qreal pixelRatio)
{
    QPixmap picture(QSize(407, 310) * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    QPainter painter(&picture);

    // Dusk over a road that runs into the distance.
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(16, 24, 96));
    sky.setColorAt(1, QColor(232, 128, 48));
    painter.fillRect(0, 0, 407, 170, sky);
    painter.fillRect(0, 170, 407, 140, QColor(40, 96, 40));
    const QPolygon road({{170, 170}, {237, 170}, {380, 310}, {27, 310}});
    painter.setBrush(QColor(192, 192, 192));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(road);
    painter.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        const int top = 172 + i * i * 6 + i * 8;
        const int height = 4 + i * 4;
        const int half = 1 + i;
        painter.drawRect(203 - half, top, 2 * half, height);
    }

    // The player's car, its pixel art enlarged without smoothing.
    const QPixmap car(QStringLiteral(":/assets/car-player.ico"));
    painter.drawPixmap(QRect(155, 190, 96, 96), car);

    QFont title;
    title.setFamilies({QStringLiteral("Lucida Calligraphy"), QStringLiteral("Z003"),
                       QStringLiteral("URW Chancery L")});
    title.setPixelSize(72);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(QRect(3, 23, 407, 100), Qt::AlignCenter, QStringLiteral("Vandrel"));
    painter.setPen(QColor(255, 224, 64));
    painter.drawText(QRect(0, 20, 407, 100), Qt::AlignCenter, QStringLiteral("Vandrel"));

    QFont version;
    version.setPixelSize(16);
    painter.setFont(version);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 112, 407, 30), Qt::AlignCenter, QStringLiteral("Version 2.0"));
    return picture;
}
