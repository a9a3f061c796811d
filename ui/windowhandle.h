#pragma once
// Window handles for the calls that name a window by number (the owner of a
// file dialog). A handle is a small positive 32-bit number given to a window
// the first time it is asked for and kept for as long as the program runs;
// 0 is "no window". Handles are never reused, so a handle of a window that has
// since been destroyed resolves to no window instead of to a stranger.
//
// The table only maps numbers to objects: it does not own, show or close
// windows. It is one table for the whole process, because a number has to
// mean the same window wherever it travels, through records that carry
// nothing else.

#include "platform/handles.h"

class QObject;

// The handle of `window`, the same number on every call; 0 for null.
ruvex::win::HWND hWndOf(QObject* window);

// The window a handle stands for, or null for 0, an unknown number or a
// window that no longer exists.
QObject* windowOf(ruvex::win::HWND handle);
