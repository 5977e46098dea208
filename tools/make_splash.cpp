// Paints the splash picture, the program's name and version over its car on a
// road at dusk, and writes it into the folder given: splash.png (407 x 310) and
// splash@2x.png for screens of twice the density. Its output is committed; run
// tools/make_splash after changing the drawing.

#include <QGuiApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

QImage Picture(qreal pixelRatio, const QDir& assets)
{
    QImage picture(QSize(407, 310) * pixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

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
    const QImage car(assets.filePath(QStringLiteral("car-player.ico")));
    painter.drawImage(QRect(155, 190, 96, 96), car);

    QFont title;
    title.setFamilies({QStringLiteral("Lucida Calligraphy"), QStringLiteral("Z003"),
                       QStringLiteral("URW Chancery L")});
    title.setPixelSize(72);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(QRect(3, 23, 407, 100), Qt::AlignCenter, QStringLiteral("Vandrel"));
    painter.setPen(QColor(255, 224, 64));
    painter.drawText(QRect(0, 20, 407, 100), Qt::AlignCenter, QStringLiteral("Vandrel"));
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_splash ASSETS-FOLDER\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const bool written = Picture(1, assets).save(assets.filePath(QStringLiteral("splash.png")))
        && Picture(2, assets).save(assets.filePath(QStringLiteral("splash@2x.png")));
    if (!written)
        std::fprintf(stderr, "make_splash: could not write into %s\n", argv[1]);
    return written ? 0 : 1;
}
