#include "ui/RoadView.h"

#include "game/MainControls.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

QFont PausedFont()
{
    QFont font;
    // A calligraphic face; Z003 (URW's Zapf Chancery) where Lucida's is missing.
    font.setFamilies({QStringLiteral("Lucida Calligraphy"), QStringLiteral("Z003"),
                      QStringLiteral("URW Chancery L")});
    font.setPixelSize(29); // 21.75 pt at 96 dots per inch
    font.setWeight(QFont::Normal);
    return font;
}

QFont BonusFont()
{
    QFont font;
    // Liberation Serif has the metrics of Times New Roman.
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPixelSize(27); // 20.25 pt at 96 dots per inch
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

RoadView::RoadView(const MainControls& controls, QWidget* parent)
    : QWidget(parent),
      mControls(controls),
      mPaintOrder(controls.RoadPaintOrder()),
      mPausedFont(PausedFont()),
      mBonusFont(BonusFont())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    mPictures[controls.imgCar.get()] = QPixmap(QStringLiteral(":/assets/car-player.ico"));
    for (std::size_t i = 0; i < controls.imgRacers.size(); ++i)
        mPictures[controls.imgRacers[i].get()] =
            QPixmap(QStringLiteral(":/assets/car-racer%1.ico").arg(i));
}

QSize RoadView::sizeHint() const
{
    return Twips::ToPixels(*mControls.picRoad).size();
}

void RoadView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The classic sunken frame, in fixed colours so every style draws it alike.
    QPalette frame;
    frame.setColor(QPalette::Light, Qt::white);
    frame.setColor(QPalette::Midlight, QColor(192, 192, 192));
    frame.setColor(QPalette::Dark, QColor(128, 128, 128));
    frame.setColor(QPalette::Shadow, Qt::black);
    const QBrush road(QColor(192, 192, 192));
    qDrawWinPanel(&painter, rect(), frame, true, &road);

    // The controls live in the area inside the frame and are clipped to it.
    const QRect inside = rect().adjusted(border, border, -border, -border);
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    for (const auto& control : mPaintOrder)
        if (control->Visible)
            PaintControl(painter, *control);
}

void RoadView::PaintControl(QPainter& painter, const Control& control) const
{
    const QRectF area = Twips::ToPixelsF(control);
    if (const auto picture = mPictures.find(&control); picture != mPictures.end()) {
        // No smoothing: the pixel art stays crisp at every scale.
        painter.drawPixmap(area, picture->second, picture->second.rect());
    } else if (&control == mControls.lblPaused.get()) {
        painter.fillRect(area, QColor(64, 64, 64));
        painter.setFont(mPausedFont);
        painter.setPen(QColor(255, 0, 0));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromStdString(control.Caption));
    } else if (&control == mControls.lblBonus.get()) {
        painter.fillRect(area, Qt::black);
        painter.setFont(mBonusFont);
        painter.setPen(QColor(255, 255, 0));
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                         QString::fromStdString(control.Caption));
    } else {
        painter.fillRect(area, Qt::white); // a divider mark
    }
}

void RoadView::keyPressEvent(QKeyEvent* event)
{
    const int code = VirtualKeys::FromQtKey(event->key());
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyDown(code, VirtualKeys::ShiftState(event->modifiers()));
}

bool RoadView::focusNextPrevChild(bool)
{
    return false; // the road is the only control that takes the focus
}
