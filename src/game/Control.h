#pragma once

#include <string>

// One control of the road as the game sees it: a positioned rectangle in twips,
// with the caption and visibility that labels use. The window paints the model;
// the game only changes its numbers and texts.
struct Control
{
    float Left = 0.0f;
    float Top = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;
    std::string Caption;
    bool Visible = true;
};
