// The reference for start-up time and memory: the smallest Qt Widgets program
// that shows a window of the splash's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(407, 310);
    window.show();
    return app.exec();
}
