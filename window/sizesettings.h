#pragma once
// "Ukuran Bangun" as a lesson notes it: the settings "size" (R for the bola
// and setengah bola, R,T for the kerucut and tabung), "net" (0 to 100 %) and
// "pi" (22/7 or 3,14), read one at a time like the view's other settings
// (viewsettings.h) and checked against the shape once all are read.

#include "window/viewsettings.h"

#include <optional>
#include <string>
#include <string_view>

// What each setting takes, as its refusal says.
std::string sizeRange();
std::string netRange();
std::string piRange();

// Each reads its value into `settings`; false when it is refused, the
// settings then unchanged. "size" leaves the solid's shape and, for R
// alone, its height to settleSchoolSolid.
bool readSchoolSize(PictureSettings& settings, std::string_view value);
bool readSchoolNet(PictureSettings& settings, std::string_view value);
bool readSchoolPi(PictureSettings& settings, std::string_view value);

// Once every setting is read: the solid given its shape, or the sentence
// refusing the sizes for that shape (a shape without a school solid, R alone
// for the kerucut or tabung, R,T or a net for the bola or setengah bola, a
// section given too), the options named after `prefix` ("--" on the command
// line, nothing in the address).
std::optional<std::string> settleSchoolSolid(PictureSettings& settings, std::string_view prefix);

// The settings as written back ("size", "net", "pi"), name and value, those
// that differ from the window's start; none without a school solid.
std::vector<std::pair<std::string_view, std::string>> schoolSettingsText(const PictureSettings& settings);
