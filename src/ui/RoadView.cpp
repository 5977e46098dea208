#include "ui/RoadView.h"

#include "game/MainControls.h"
#include "ui/Twips.h"
#include "ui/VirtualKeys.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QFont PausedFont()
{
    QFont font;
    // A calligraphic face; Z003 (URW's Zapf Chancery) where Lucida's is missing.
    font.setFamilies({QStringLiteral("Lucida Calligraphy"), QStringLiteral("Z003"),
                      QStringLiteral("URW Chancery L")});
    font.setPixelSize(29); // 21.75 pt at 96 dots per inch
    font.setWeight(QFont::Normal); // not the desktop font's weight
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

RoadView::RoadView(const MainControls& controls, QWidget* parent, FramePacer::Clock clock)
    : QWidget(parent),
      mControls(controls),
      mPaintOrder(controls.RoadPaintOrder()),
      mPacer(*this, [this] { Frame(); }, clock),
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
    return Twips::ToPixels(*mControls.picRoad).size() * mZoom;
}

void RoadView::Refresh()
{
    // The frame never changes: the tick repaints the road inside it.
    update(Inside());
}

void RoadView::SetZoom(int zoom)
{
    if (zoom == mZoom)
        return;
    mZoom = zoom;
    mTexts.clear(); // laid out again for the new size
    updateGeometry();
    update();
}

void RoadView::Ticked()
{
    mBefore = std::move(mNow);
    mNow.clear();
    for (const auto& control : mPaintOrder)
        mNow.push_back(*control);
    mSinceTick.start();
    mShown.clear(); // a tick may change what does not move: drawn at the next frame
}

void RoadView::SetGliding(bool on)
{
    if (on)
        mPacer.Start();
    else
        mPacer.Stop();
}

QRectF RoadView::Glide(const Control& before, const Control& now, const Control& model, double fraction, int zoom)
{
    const bool moved = model.Left == now.Left && model.Top == now.Top && before.Left == now.Left
                       && before.Visible && now.Top >= before.Top;
    const double top = moved ? before.Top + (now.Top - before.Top) * std::clamp(fraction, 0.0, 1.0) : model.Top;
    // Whole pixels of the screen, as the model's places are whole logical pixels.
    const auto onScreen = [zoom](double twips) { return std::round(twips / Twips::perPixel * zoom) / zoom; };
    return {QPointF(onScreen(model.Left), onScreen(top)), QSizeF(Twips::ToPixels(model.Width), Twips::ToPixels(model.Height))};
}

std::vector<QRectF> RoadView::Places() const
{
    const bool gliding = mPacer.Running() && mNow.size() == mPaintOrder.size() && mBefore.size() == mNow.size();
    const double fraction = gliding ? double(mSinceTick.elapsed()) / std::max(1, mControls.Timer1.Interval) : 1.0;
    std::vector<QRectF> places;
    for (std::size_t i = 0; i < mPaintOrder.size(); ++i)
        places.push_back(gliding ? Glide(mBefore[i], mNow[i], *mPaintOrder[i], fraction, mZoom)
                                 : QRectF(Twips::ToPixels(*mPaintOrder[i])));
    return places;
}

void RoadView::Frame()
{
    // A frame the same as the last one is not drawn again: at low speeds most are.
    if (Places() != mShown)
        update(Inside());
    else
        mPacer.FrameSkipped();
}

QRect RoadView::Inside() const
{
    const int frame = border * mZoom;
    return rect().adjusted(frame, frame, -frame, -frame);
}

void RoadView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = Inside();
    if (!inside.contains(event->rect())) {
        // The classic sunken frame, in fixed colours so every style draws it alike.
        painter.save();
        painter.scale(mZoom, mZoom);
        const QRect frame(QPoint(), size() / mZoom);
        DrawRing(painter, frame, QColor(128, 128, 128), Qt::white);
        DrawRing(painter, frame.adjusted(1, 1, -1, -1), Qt::black, QColor(192, 192, 192));
        painter.restore();
    }
    painter.fillRect(inside, QColor(192, 192, 192));
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    painter.scale(mZoom, mZoom);
    mShown = Places();
    for (std::size_t i = 0; i < mPaintOrder.size(); ++i)
        if (mPaintOrder[i]->Visible)
            PaintControl(painter, *mPaintOrder[i], mShown[i]);
    mPacer.FrameDrawn();
}

void RoadView::PaintControl(QPainter& painter, const Control& control, const QRectF& area) const
{
    if (const auto picture = mPictures.find(&control); picture != mPictures.end()) {
        // No smoothing: the pixel art stays crisp at every scale.
        painter.drawPixmap(area, picture->second, picture->second.rect());
    } else if (&control == mControls.lblPaused.get()) {
        painter.fillRect(area, QColor(64, 64, 64));
        painter.setFont(mPausedFont);
        painter.setPen(QColor(255, 0, 0));
        const QStaticText& text = TextOf(control, mPausedFont);
        painter.drawStaticText(area.center() - QPointF(text.size().width(), text.size().height()) / 2, text);
    } else if (&control == mControls.lblBonus.get()) {
        painter.fillRect(area, Qt::black);
        painter.setFont(mBonusFont);
        painter.setPen(QColor(255, 255, 0));
        const QStaticText& text = TextOf(control, mBonusFont);
        painter.drawStaticText(QPointF(area.center().x() - text.size().width() / 2, area.top()), text);
    } else {
        painter.fillRect(area, Qt::white); // a divider mark
    }
}

void RoadView::keyPressEvent(QKeyEvent* event)
{
    if (VirtualKeys::FromQtKey(event->key()) == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyDown(event->key());
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
        text.prepare(QTransform::fromScale(mZoom, mZoom), font);
    }
    return text;
}
