#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QRect>

#include <array>
#include <string>

class QLabel;
class QWidget;

// The three status labels under the road: speed, time left and distance. While
// their texts fit, each stands at its designed place, widened to its text where
// the installed font is wider than the design. Texts too long for that (a speed of
// thousands, a game of days) share the row by their widths, and are elided only
// when even that is not enough. Nothing is laid out again while no text's width
// changes, so the tick costs no more than setting two texts.
// Zoomed, the row is the same at a whole multiple of its size.
class StatusRow
{
    Q_DECLARE_TR_FUNCTIONS(StatusRow)

public:
    // designed: the labels' places in logical pixels; rowRight: where the row ends.
    StatusRow(QWidget* parent, const std::array<QRect, 3>& designed, int rowRight);

    void Show(const std::array<std::string, 3>& captions);

    // The labels, their places and their type a whole number of times as large.
    void SetZoom(int zoom);

    static constexpr int gap = 2; // the least room between two labels

    // Where labels of these text widths stand, left to right.
    static std::array<QRect, 3> Place(const std::array<QRect, 3>& designed, int rowRight,
                                      const std::array<int, 3>& textWidths);

private:
    std::array<QLabel*, 3> mLabels{};
    std::array<QRect, 3> mDesigned; // at zoom 1
    int mRowRight;
    int mZoom = 1;
    QFont mFont; // at zoom 1
    std::array<QString, 3> mTexts;
    std::array<QHash<QString, int>, 3> mShapeWidths; // by the text with every digit a 0
    std::array<int, 3> mWidths{-1, -1, -1};
};
