// The reference for CPU time while a game runs: the least a Qt Widgets program can
// spend on the same screen. A main window of the game's size with a menu bar and
// three labels; every 50 ms a road of 16 rectangles and 5 pictures moves and two
// labels get new texts, and the road is repainted at the screen's refresh rate,
// each frame as far between two steps as the time says, as the game's smooth
// motion does.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

class Road final : public QWidget
{
public:
    explicit Road(QWidget* parent) : QWidget(parent), mCar(QStringLiteral(":/assets/car-player.ico"))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(16, 16, 200, 393);
        mSinceStep.start();
    }
    void Step()
    {
        mOffset = (mOffset + 13) % 56;
        mSinceStep.start();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 192, 192));
        const int offset = mOffset + int(13 * std::min(1.0, mSinceStep.elapsed() / 50.0));
        for (int i = 0; i < 16; ++i)
            painter.fillRect((i % 2 + 1) * 66, (i / 2) * 56 + offset - 56, 9, 49, Qt::white);
        for (int i = 0; i < 5; ++i)
            painter.drawPixmap(QRect(i % 3 * 66 + 17, (i * 80 + offset * 2) % 393, 32, 32), mCar);
    }

private:
    QPixmap mCar;
    int mOffset = 0;
    QElapsedTimer mSinceStep;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal game screen"));
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New Game"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* client = new QWidget(&window);
    client->setFixedSize(236, 453);
    auto* road = new Road(client);
    QLabel* labels[3];
    for (int i = 0; i < 3; ++i)
        (labels[i] = new QLabel(client))->setGeometry(16 + 72 * i, 424, 70, 17);
    labels[0]->setText(QStringLiteral("100 kmph"));
    window.setCentralWidget(client);
    window.setFixedSize(window.sizeHint());
    double seconds = 1e9, km = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        road->Step();
        labels[1]->setText(QString::number(seconds -= 0.05, 'f', 2) + QStringLiteral(" sec"));
        labels[2]->setText(QString::number(km += 0.0014, 'f', 3) + QStringLiteral(" km"));
    });
    timer.start(50);
    QTimer frames;
    frames.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frames, &QTimer::timeout, road, qOverload<>(&QWidget::update));
    const qreal hertz = window.screen()->refreshRate() >= 1 ? window.screen()->refreshRate() : 60.0;
    frames.start(int(std::lround(1000.0 / hertz)));
    window.show();
    return app.exec();
}
