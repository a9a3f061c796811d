#pragma once
// What the program's pictures show: wireframe solids like the ones the viewer
// draws, on the backgrounds of the information windows, in the menu bitmaps
// and in the program icon. Each function draws one picture at its final size;
// transparent pixels are where the window or menu behind shows through.
//
// Colour depth and file format are the encoders' business, not this file's.

#include "canvas.h"

// 234 × 396, in the sixteen VGA colours: the about windows' left panel.
Canvas aboutBackground();
// 450 × 367, black on white: the contact window's background.
Canvas contactBackground();

// The menu bitmaps, numbered as the main window's menu-bitmap settings number
// them: 1 (Save, 32 × 32), 2 (Exit), 3 (Fungsi), 4 (Sasaran),
// 5 (Terimakasih), 6 (Help), 7 (Contact), 8 (Info), the last seven 16 × 16.
inline constexpr int kMenuBitmapCount = 8;
Canvas menuBitmap(int number);

// The program icon at 48, 32 or 16 pixels, with soft edges in its alpha.
Canvas programIcon(int size);
