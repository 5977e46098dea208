#pragma once

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
// model, and takes the player's keys.
class RoadView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int border = 2; // pixels of the sunken frame on each side

    explicit RoadView(const MainControls& controls, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Shows the control model as it is now.
    void Refresh();

signals:
    // A key went down: its virtual-key code.
    void keyDown(int keyCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void PaintControl(QPainter& painter, const Control& control) const;
    const QStaticText& TextOf(const Control& label, const QFont& font) const;

    const MainControls& mControls;
    std::vector<std::shared_ptr<const Control>> mPaintOrder; // the design's; fixed
    std::map<const Control*, QPixmap> mPictures;
    QFont mPausedFont;
    QFont mBonusFont;
    mutable std::map<const Control*, std::pair<std::string, QStaticText>> mTexts; // by label
};
