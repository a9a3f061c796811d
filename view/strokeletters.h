#pragma once
// Letters drawn with strokes, so every picture (the drawing area at any
// size, the SVG) carries them as lines in a pen: the axes' X, Y and Z and
// the marked parts' labels r, s, t, 2 and π.

#include "view/wireframelines.h"

#include <string>
#include <string_view>
#include <vector>

// A stroke owns its points: an initializer_list would point into arrays that
// end with the return statement that made them.
using Stroke = std::vector<ScreenPoint>;

// The strokes of one character in a unit box centred on 0 (y grows
// downwards); none for a character it does not know.
std::vector<Stroke> letterStrokes(char32_t letter);

// The characters of UTF-8 `text`, as far as letterStrokes needs them (one
// and two byte sequences).
std::u32string lettersOf(std::string_view text);
