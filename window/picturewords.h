#pragma once
// The picture told in words, for a student who cannot see it: the solid,
// how far it is turned from the front view (the view "Tampilan Awal"
// shows, where the arrow keys start from), the perspective and the stretch,
// the aids drawn, and what the open window adds: the section's curve and
// equation, or the school solid's sizes, volume and surface area. One or a
// few short Indonesian sentences, the same on the desktop, on the page and
// from the command line (--describe).
//
//   "Kerucut, diputar 30° ke kanan dan 20° ke atas, perspektif jarak 200.
//    Irisan: elips, (s + 47,7)²/62,2² + t²/49,9² = 1."

#include "window/viewsettings.h"

#include <string>

std::string pictureInWords(const PictureSettings& settings);

// How long the view must rest before its words are told again: a turn by the
// pointer or an animation changes the view many times a second, and a screen
// reader that started the sentence anew at every step would say nothing whole.
inline constexpr int kPictureWordsRestMilliseconds = 500;

// Degrees turned from the front view for a pointer position along one axis,
// -179..180: a full turn is the drawing area's interior width of pointer
// travel, positive the way the right (or up) arrow key turns it.
int degreesFromFront(int pointerPosition);
