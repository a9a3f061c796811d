#pragma once
// The command line's help, which lists the ranges of the view settings
// (window/viewsettings.h, where they are checked) once more with the shapes.
// The parsing itself is commandline.cpp's.

#include <QString>

// The whole help, `program` being the name the program was started as.
QString helpText(const QString& program);
