#pragma once

class Clock;
class Dialogs;
class RandomSource;
class SettingsStore;
class SoundPlayer;
class Translator;

// Everything outside the game that it reaches: the program passes the real ones,
// the tests in-memory ones.
struct Outside
{
    SettingsStore& store;
    SoundPlayer& sound;
    RandomSource& random;
    const Clock& clock;
    Dialogs& dialogs;
    const Translator& texts;
};
