#include "ui/StatusRow.h"

#include <QLabel>

#include <algorithm>
#include <numeric>

StatusRow::StatusRow(QWidget* parent, const std::array<QRect, 3>& designed, int rowRight)
    : mDesigned(designed), mRowRight(rowRight)
{
    const char* names[] = {"lblSpeed", "lblTime", "lblDist"};
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        mLabels[i] = new QLabel(parent);
        mLabels[i]->setObjectName(QLatin1String(names[i]));
        mLabels[i]->setGeometry(designed[i]);
    }
}

void StatusRow::Show(const std::array<std::string, 3>& captions)
{
    bool widthChanged = false;
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        const QString text = QString::fromStdString(captions[i]);
        if (text == mTexts[i])
            continue;
        mTexts[i] = text;
        const int width = mLabels[i]->fontMetrics().horizontalAdvance(text);
        widthChanged = widthChanged || width != mWidths[i];
        mWidths[i] = width;
        mLabels[i]->setText(text);
    }
    if (!widthChanged)
        return;
    const std::array<QRect, 3> places = Place(mDesigned, mRowRight, mWidths);
    for (std::size_t i = 0; i < mLabels.size(); ++i) {
        QLabel* label = mLabels[i];
        label->setGeometry(places[i]);
        const QString shown = places[i].width() < mWidths[i]
                                  ? label->fontMetrics().elidedText(mTexts[i], Qt::ElideRight,
                                                                    places[i].width())
                                  : mTexts[i];
        if (label->text() != shown)
            label->setText(shown);
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
