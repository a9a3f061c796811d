#pragma once
// The caption that goes with a lesson's picture where the window beside it
// cannot be seen: under "Layar Penuh" on a projector, and under an SVG
// picture on a worksheet. It says what "Irisan Bidang" or "Ukuran Bangun"
// shows about the solid drawn: "Bola — Irisan: lingkaran: s² + t² = 82,8²",
// or "Tabung: Volume = 1540,00 cm³, Luas permukaan = 748,00 cm²".

#include "export/picturefile.h"
#include "window/form1model.h"

#include <string>

// Empty when neither window is open, or when the open one draws nothing of
// its own (a section of a flat solid or of a further figure, sizes for a
// shape that is no school solid): the picture is then the plain one, and so
// is everything shown with it.
std::string fullScreenCaption(const Form1Model& model);

// The view every picture file shows: the drawing area's picture and its lines
// (held where the model keeps them) with the caption above.
PictureFileView exportedView(const Form1Model& model);
