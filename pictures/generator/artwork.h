#pragma once
// What the program's pictures show: wireframe solids like the ones the viewer
// draws, on the backgrounds of the information windows, in the menu bitmaps
// and in the program icon. Each function paints one picture at its final size
// with QPainter; no application object is needed, and nothing draws text.
//
// Colour depth and file format are picturegen's business, not this file's.

#include <QImage>

// 234 × 396, only in the sixteen VGA colours: the about windows' left panel.
QImage aboutBackground();
// 450 × 367, black on white: the contact window's background.
QImage contactBackground();

// The menu bitmaps, numbered as the main window's menu-bitmap settings number
// them: 1 (Save, 32 × 32), 2 (Exit), 3 (Fungsi), 4 (Sasaran),
// 5 (Terimakasih), 6 (Help), 7 (Contact), 8 (Info), the last seven 16 × 16.
// Transparent where the menu shows through, with soft edges in the alpha.
inline constexpr int kMenuBitmapCount = 8;
QImage menuBitmap(int number);

// The program icon at 48, 32 or 16 pixels, with soft edges in its alpha;
// at 192 and 512 pixels for an installed page.
QImage programIcon(int size);
