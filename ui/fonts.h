#pragma once
// The program's fonts, each with a metric-compatible Linux stand-in after the
// Windows family, so texts wrap and fit as they were laid out.

#include "window/form1layout.h"

#include <QFont>

QFont timesNewRomanFont(double pointSize, bool italic = false);
QFont msSansSerifFont(double pointSize = 8.25);
QFont tahomaFont(double pointSize, bool bold = false);

// A layout table's font, by its family name, with the stand-in as above.
QFont fontOf(const ControlFont& font);
