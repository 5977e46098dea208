#pragma once

// What the game asks of the window that shows it.
class GameWindow
{
public:
    virtual ~GameWindow() = default;

    // Closes the main window, which stops the sound and ends the program.
    virtual void Unload() = 0;
};
