#include "ui/RoadView.h"

#include "game/MainControls.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

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

// One ring of a sunken frame: its top and left edges in one colour, its bottom and
// right edges in the other.
void DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
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

void RoadView::Refresh()
{
    // The frame never changes: the tick repaints the road inside it.
    update(rect().adjusted(border, border, -border, -border));
}

void RoadView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = rect().adjusted(border, border, -border, -border);
    if (!inside.contains(event->rect())) {
        // The classic sunken frame, in fixed colours so every style draws it alike.
        DrawRing(painter, rect(), QColor(128, 128, 128), Qt::white);
        DrawRing(painter, rect().adjusted(1, 1, -1, -1), Qt::black, QColor(192, 192, 192));
    }
    painter.fillRect(inside, QColor(192, 192, 192));
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    for (const auto& control : mPaintOrder)
        if (control->Visible)
            PaintControl(painter, *control);
}

void RoadView::PaintControl(QPainter& painter, const Control& control) const
{
    // Whole logical pixels: the raster engine's fast paths for fills and pictures.
    const QRect area = Twips::ToPixels(control);
    if (const auto picture = mPictures.find(&control); picture != mPictures.end()) {
        // No smoothing: the pixel art stays crisp at every scale.
        painter.drawPixmap(area, picture->second, picture->second.rect());
    } else if (&control == mControls.lblPaused.get()) {
        painter.fillRect(area, QColor(64, 64, 64));
        painter.setFont(mPausedFont);
        painter.setPen(QColor(255, 0, 0));
        const QStaticText& text = TextOf(control, mPausedFont);
        painter.drawStaticText(QRectF(area).center() - QPointF(text.size().width(), text.size().height()) / 2, text);
    } else if (&control == mControls.lblBonus.get()) {
        painter.fillRect(area, Qt::black);
        painter.setFont(mBonusFont);
        painter.setPen(QColor(255, 255, 0));
        const QStaticText& text = TextOf(control, mBonusFont);
        painter.drawStaticText(QPointF(QRectF(area).center().x() - text.size().width() / 2, area.top()), text);
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
    emit keyDown(code);
}

bool RoadView::focusNextPrevChild(bool)
{
    return false; // the road is the only control that takes the focus
}

const QStaticText& RoadView::TextOf(const Control& label, const QFont& font) const
{
    // Laid out once per caption, not at every paint.
    auto& [caption, text] = mTexts[&label];
    if (caption != label.Caption) {
        caption = label.Caption;
        text.setText(QString::fromStdString(caption));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
    }
    return text;
}
