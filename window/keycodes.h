#pragma once
// The key codes that the model's key-down rule reads, as the platform the
// program was made for numbers them, and the shift code's bits. The window's
// session turns each front end's neutral key names into them
// (window/windowsession.cpp), so no front end knows them.

// Home, then the arrows in the platform's order: left, up, right, down.
enum : short { kKeyHome = 0x24, kKeyLeft, kKeyUp, kKeyRight, kKeyDown };

inline constexpr short kShiftMask = 1;
