#pragma once

#include "ui/FramePacer.h"

#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>
#include <QStaticText>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct Control;
struct MainControls;

// picRoad: paints the road and every control inside it from the game's control
// model, and takes the player's keys. It draws the design a whole number of times
// as large (its zoom), the pictures without smoothing.
//
// Gliding, it draws at the display's pace, each racer, the bonus and the lane
// marks between where the tick before the last left them and where the last tick
// did, as far along as the time since the last tick says: a frame never shows a
// place the rules did not hold. Whatever the last tick did not move there (a
// thing sent back to the top, a mark that wrapped, a lane change, a new game) is
// drawn where the model has it. Not gliding, every frame is the model exactly.
class RoadView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int border = 2; // pixels of the sunken frame on each side

    // clock: what paces the frames while gliding
    RoadView(const MainControls& controls, QWidget* parent, FramePacer::Clock clock);

    QSize sizeHint() const override;

    // Shows the control model as it is now.
    void Refresh();

    void SetZoom(int zoom);
    int Zoom() const { return mZoom; }

    // The tick has moved the model: the places to glide from and to.
    void Ticked();
    // Gliding asks for frames at the display's pace; stopped, the next Refresh shows
    // the model.
    void SetGliding(bool on);
    bool Gliding() const { return mPacer.Running(); }

    // Where a control that the last tick moved from before to now is drawn, a
    // fraction (0 to 1) of a tick after it, in logical pixels at the given zoom.
    static QRectF Glide(const Control& before, const Control& now, const Control& model, double fraction,
                        int zoom);

signals:
    // A key went down: Qt's code of it.
    void keyDown(int qtKey);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void PaintControl(QPainter& painter, const Control& control, const QRectF& area) const;
    QRect Inside() const; // the road inside its frame, in the widget's pixels
    // Where each control of the paint order is drawn now.
    std::vector<QRectF> Places() const;
    void Frame(); // the display's next frame: painted when something moved
    const QStaticText& TextOf(const Control& label, const QFont& font) const;

    const MainControls& mControls;
    std::vector<std::shared_ptr<const Control>> mPaintOrder; // the design's; fixed
    std::vector<Control> mBefore; // by paint order: as the tick before the last left them
    std::vector<Control> mNow;    // and as the last tick left them
    QElapsedTimer mSinceTick;
    std::vector<QRectF> mShown; // the places last painted
    FramePacer mPacer;
    int mZoom = 1;
    std::map<const Control*, QPixmap> mPictures;
    QFont mPausedFont;
    QFont mBonusFont;
    mutable std::map<const Control*, std::pair<std::string, QStaticText>> mTexts; // by label
};
