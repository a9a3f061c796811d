#pragma once
// The keys by their names, one table for every front end: a front end spells
// its toolkit's key as one of these names, and the session's rules read the
// KeyName. The names are the browser's (KeyboardEvent.key: "ArrowLeft",
// "Escape", "PageUp", "F1", "Tab"); the arrows are also known without their
// prefix ("Left"), as toolkits that name keys by their caps spell them.

#include "window/intents.h"

#include <string_view>

// The key named: a single letter or digit, of either case, is that character
// (upper case); a name the rules never read is KeyName::Other. Modifiers and
// the target are left for the front end to set.
KeyIntent keyIntentNamed(std::string_view name);
