#pragma once

#include <cstddef>

// What the game asks of the window that shows it.
class GameWindow
{
public:
    virtual ~GameWindow() = default;

    // Closes the main window, which stops the sound and ends the program.
    virtual void Unload() = 0;

    // Shows the table of best distances until the player closes it; newRank: the
    // rank of the game that has just entered it, from 1.
    virtual void ShowBestDistances(std::size_t newRank) = 0;
};
