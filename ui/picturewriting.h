#pragma once
// The command line's picture file: written from the view opened on the
// window's model, under the rules the window and the page follow for names
// and places.

#include "ui/commandline.h"
#include "window/form1model.h"

#include <QString>

#include <optional>

// Nothing when the file is written; otherwise why not, in one line.
std::optional<QString> writeRequestedPicture(const PictureFileRequest& request, const Form1Model& model);
