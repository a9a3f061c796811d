#pragma once
// How an upright scroll bar of the window moves, as the desktop's moves: an
// arrow steps by the small change, the track by the large one, Home and End
// go to the ends. The top is Min whichever of Min and Max is larger (the
// distance bar runs 350..100): up is always towards Min. For a front end
// whose toolkit has no such bar (the page).

#include "window/form1layout.h"
#include "window/intents.h"

#include <optional>

enum class ScrollMove { LineUp, LineDown, PageUp, PageDown, Top, Bottom };

// The move a key makes on a bar that has the keys: an arrow a line (left
// and up towards the top), Page Up and Page Down a page, Home and End to the
// ends; none for any other key, nor for one held with Ctrl, Alt or Meta
// (those are the window's shortcuts).
std::optional<ScrollMove> scrollMoveOfKey(const KeyIntent& key);
// The value after `move` from `value`, kept within the range.
int movedValue(const ScrollRange& range, int value, ScrollMove move);
// The value of a thumb dragged to `fraction` of its travel (0 top, 1 bottom).
int valueAtFraction(const ScrollRange& range, double fraction);
// Where the thumb of `value` stands on its travel: 0 top, 1 bottom.
double thumbFraction(const ScrollRange& range, int value);
