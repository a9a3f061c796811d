#pragma once
// The wireframe as a vector picture: an SVG document of the drawing area's
// size with a white background and one polyline per row and column, the
// highlighted row last, at the unrounded screen coordinates.
//
// The screen coordinates count the drawing area's pixels from its interior's
// top-left corner, and the drawing run paints a pen square over each pixel of
// a line. A pen of width w covers pixels p - (w - 1) / 2 onwards, so its
// middle lies w / 2 - (w - 1) / 2 to the right of and below the pixel's
// corner: half a pixel for the 1-pixel pen, a whole one for the 2-pixel pen.
// Each pen's lines are shifted by that much, so the picture rendered at the
// drawing area's size lies on the pixels the drawing run paints.

#include "view/wireframelines.h"

#include <string>
#include <string_view>
#include <vector>

// `title` names the picture (for example the shape's caption); plain UTF-8,
// escaped here. The text is UTF-8 and ends with a newline.
//
// A `caption` (a lesson's, window/lessoncaption.h) is written as text in a
// white band under the picture, which makes the document that much higher;
// the picture above keeps its size and coordinates. Without one the
// document is the picture alone.
std::string svgPicture(const std::vector<WireframePolyline>& lines, int width, int height,
                       std::string_view title, std::string_view caption = {});

// The caption's lines in a band `width` pixels wide: broken at spaces,
// after a comma or a dash where one lies in the line's second half, so a
// quantity or an equation stays whole where it can.
std::vector<std::string> svgCaptionLines(std::string_view caption, int width);

// The title an SVG of a shape's view goes by, "RUVEX Display 3D: Kerucut",
// the same from every front end.
std::string svgPictureTitle(std::string_view shapeCaption);

// A coordinate as it is written: the shortest decimal form that reads back as
// the same single, without an exponent and whatever the locale.
std::string svgNumber(float value);
