#include "ui/StatusRow.h"

#include "ui/Twips.h"

#include <QLabel>

#include <algorithm>
#include <numeric>

StatusRow::StatusRow(QWidget* parent, const std::array<QRect, 3>& designed, int rowRight)
    : mDesigned(designed), mRowRight(rowRight)
{
    const char* names[] = {"lblSpeed", "lblTime", "lblDist"};
    const QString meanings[] = {tr("Speed"), tr("Time left"), tr("Distance")};
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        mLabels[i] = new QLabel(parent);
        mLabels[i]->setObjectName(QLatin1String(names[i]));
        mLabels[i]->setGeometry(designed[i]);
        mLabels[i]->setAccessibleName(meanings[i]);
    }
    mFont = mLabels[0]->font();
}

void StatusRow::SetZoom(int zoom)
{
    if (zoom == mZoom)
        return;
    mZoom = zoom;
    QFont font = mFont;
    if (mFont.pixelSize() > 0)
        font.setPixelSize(mFont.pixelSize() * zoom);
    else
        font.setPointSizeF(mFont.pointSizeF() * zoom);
    for (QLabel* label : mLabels)
        label->setFont(font);
    // Measured and placed again, from the texts shown.
    std::array<std::string, 3> captions;
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        captions[i] = mTexts[i].toStdString();
        mTexts[i].clear();
        mShapeWidths[i].clear();
        mWidths[i] = -1;
    }
    Show(captions);
}

void StatusRow::Show(const std::array<std::string, 3>& captions)
{
    std::array<bool, 3> changed{};
    bool widthChanged = false;
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        const QString text = QString::fromStdString(captions[i]);
        changed[i] = text != mTexts[i];
        if (!changed[i])
            continue;
        mTexts[i] = text;
        // The whole text for a screen reader, though the label may show it cut short.
        mLabels[i]->setAccessibleDescription(text);
        // Digits share one width in the fonts desktops use, so a text has the width of
        // its shape, every digit a 0; each shape is measured once.
        QString shape = text;
        std::replace_if(shape.begin(), shape.end(), [](QChar c) { return c.isDigit(); }, QChar(u'0'));
        auto known = mShapeWidths[i].find(shape);
        if (known == mShapeWidths[i].end()) {
            if (mShapeWidths[i].size() > 64) // a few shapes come back again and again
                mShapeWidths[i].clear();
            known = mShapeWidths[i].insert(shape, mLabels[i]->fontMetrics().horizontalAdvance(shape));
        }
        const int width = *known;
        widthChanged = widthChanged || width != mWidths[i];
        mWidths[i] = width;
    }
    if (widthChanged) {
        std::array<QRect, 3> designed = mDesigned;
        for (QRect& place : designed)
            place = Twips::Zoomed(place, mZoom);
        const std::array<QRect, 3> places = Place(designed, mRowRight * mZoom, mWidths);
        for (std::size_t i = 0; i < mLabels.size(); ++i)
            mLabels[i]->setGeometry(places[i]);
    }
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        QLabel* label = mLabels[i];
        if (changed[i] || widthChanged)
            label->setText(label->width() < mWidths[i]
                               ? label->fontMetrics().elidedText(mTexts[i], Qt::ElideRight, label->width())
                               : mTexts[i]);
    }
}

std::array<QRect, 3> StatusRow::Place(const std::array<QRect, 3>& designed, int rowRight,
                                      const std::array<int, 3>& textWidths)
{
    std::array<QRect, 3> places = designed;
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i].setWidth(std::max(designed[i].width(), textWidths[i]));
    const bool fitsDesign = places[0].right() + gap < places[1].left()
                            && places[1].right() + gap < places[2].left()
                            && places[2].right() < rowRight;
    if (fitsDesign)
        return places;

    // Share the row: each label as wide as its text while the texts fit, otherwise
    // the narrow ones whole and the rest an equal share of what is left.
    const int rowLeft = designed[0].left();
    const int room = rowRight - rowLeft - 2 * gap;
    std::array<int, 3> widths = textWidths;
    if (std::accumulate(widths.begin(), widths.end(), 0) > room) {
        std::array<std::size_t, 3> order{0, 1, 2};
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return textWidths[a] < textWidths[b]; });
        int left = room;
        for (std::size_t k = 0; k < order.size(); ++k) {
            const int share = left / int(order.size() - k);
            widths[order[k]] = std::min(textWidths[order[k]], share);
            left -= widths[order[k]];
        }
    }
    // Speed at the left end, distance at the right, time in the middle of the rest.
    const int spare = room - std::accumulate(widths.begin(), widths.end(), 0);
    const int lefts[] = {rowLeft, rowLeft + widths[0] + gap + spare / 2,
                         rowRight - widths[2]};
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = QRect(lefts[i], designed[i].top(), widths[i], designed[i].height());
    return places;
}
