#pragma once

// A timer as the game sees it: its period and whether it runs. The window keeps
// its real timer in step with this model after every event it hands the game.
struct Timer
{
    int Interval = 0; // milliseconds
    bool Enabled = false;
};
