// The reference for memory with music playing: the smallest Qt program that loops
// a sound file through QMediaPlayer, as a Qt developer would first write it.
#include <QApplication>
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal music"));
    window.resize(407, 310);
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    player.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    player.setLoops(QMediaPlayer::Infinite);
    player.play();
    window.show();
    return app.exec();
}
