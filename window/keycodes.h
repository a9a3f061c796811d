#pragma once
// The key codes that key-down events carry, as the platform the program was
// made for numbers them, and the shift code's bits. Every front end reports
// its keys in these codes, so the rules that read them are written once.

// Home, then the arrows in the platform's order: left, up, right, down.
enum : short { kKeyHome = 0x24, kKeyLeft, kKeyUp, kKeyRight, kKeyDown };

inline constexpr short kShiftMask = 1;
