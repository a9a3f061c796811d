#pragma once
// The key codes that key-down events carry, as the platform the program was
// made for numbers them, and the shift code's bits. Every front end reports
// its keys in these codes, so the rules that read them are written once.

inline constexpr short kKeyHome = 0x24;
inline constexpr short kKeyLeft = 0x25;
inline constexpr short kKeyUp = 0x26;
inline constexpr short kKeyRight = 0x27;
inline constexpr short kKeyDown = 0x28;

inline constexpr short kShiftMask = 1;
