#pragma once

#include <QSplashScreen>
#include <QTimer>

#include <functional>

// The start-up window: a borderless picture, centred, that opens the main window
// after two seconds and then closes and deletes itself, so that its picture and
// backing store are not kept for the whole game. Create it with new. Nothing of
// the game exists while it is up.
class frmSplash final : public QSplashScreen
{
    Q_OBJECT

public:
    // showMain creates (the first time) and shows the main window.
    explicit frmSplash(std::function<void()> showMain);

    // The 407 x 310 picture, the program's name over a car, for a
    // screen of the given pixel ratio: drawn at 1x and 2x, scaled for others.
    static QPixmap Picture(qreal pixelRatio);

protected:
    void showEvent(QShowEvent* event) override;
    void drawContents(QPainter* painter) override;

private:
    void tmrSplash_Timer();
    // The picture for the pixel ratio of the screen the splash is on.
    void FitPicture();

    std::function<void()> mShowMain;
    QTimer mTimer;
    bool mFollowsScreen = false;
};
