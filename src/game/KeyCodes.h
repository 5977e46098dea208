#pragma once

// The platform-neutral key codes the game speaks: the old virtual-key codes, the
// one list of them. The window makes them from its toolkit's key events.
namespace KeyCodes {

inline constexpr int backspace = 8;
inline constexpr int tab = 9;
inline constexpr int enter = 13;
inline constexpr int shift = 16;
inline constexpr int control = 17;
inline constexpr int alt = 18;
inline constexpr int pause = 19;
inline constexpr int capsLock = 20;
inline constexpr int escape = 27;
inline constexpr int space = 32;
inline constexpr int pageUp = 33;
inline constexpr int pageDown = 34;
inline constexpr int end = 35;
inline constexpr int home = 36;
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int insert = 45;
inline constexpr int del = 46;
// The digits and the letters are their upper-case characters' codes, '0' to 'Z'.
inline constexpr int f1 = 112; // F2 to F24 follow
inline constexpr int other = 255; // any other key: it still resumes a paused game

} // namespace KeyCodes
