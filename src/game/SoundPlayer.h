#pragma once

#include <string>

// Sound playback. One sound plays at a time and every call replaces what plays;
// each call returns at once. A file that cannot be played plays nothing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // Plays the sound file over and over until the next call.
    virtual void PlayMusic(const std::string& path) = 0;

    // Plays the sound file once.
    virtual void PlayEffect(const std::string& path) = 0;

    // Silence.
    virtual void StopSound() = 0;
};
