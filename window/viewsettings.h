#pragma once
// A view as a lesson notes it: shape, pointer position, perspective, aspect,
// the teaching aids and a plane section, read from text one setting at a time and written
// back as text. The command line ("--shape 3 --view 120,60 ...") and the
// page's address ("#shape=3&view=120,60&...") both go through here, so both
// accept the same values and refuse the rest with the same Indonesian
// sentence. The reverse, the settings of a view in the window as the command
// that opens it again, is what "Salin Kode Tampilan" copies.
//
// Text only: the window's session opens a view on them (OpenViewIntent).

#include "view/pictureoptions.h"
#include "window/sizenumbers.h"
#include "window/viewlimits.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct PictureSettings {
    int shapeIndex = 0;    // 0..kLargestShapeNumber, the shape buttons
    float pointerX = 0.0f; // pointer over the drawing area, interior pixels
    float pointerY = 0.0f;
    bool perspective = false;
    int perspectiveDistance = StartupDefaults::kPerspectiveScrollValue; // kMinDistance..kMaxDistance
    int aspectTenths = StartupDefaults::kAspectTenths;                  // tenths of the stretch factor
    PictureOptions options;
    // "Ukuran Bangun"'s π, given with a school solid (options.schoolSolid).
    SchoolPi pi = SchoolPi::TwentyTwoSevenths;
    friend bool operator==(const PictureSettings&, const PictureSettings&) = default;
};

// The ranges as the messages and the help name them.
std::string shapeRange();
std::string viewRange();
std::string distanceRange();
std::string aspectRange();
std::string scaleRange();
std::string backLinesRange();
std::string sectionRange();
std::string sectionPlaneRange();

// `value` as a whole number of one to six digits within low..high.
std::optional<int> wholeNumber(std::string_view value, int low, int high);

// The settings a view is given by: the command line's options of the view
// (commandlineoptions.h), in the order they are read. "section-plane" is
// "shown", the start, or "hidden": "Tampilkan Bidang" unticked.
const std::vector<std::string_view>& viewSettingNames();
bool isViewSetting(std::string_view name);
// "axes" is a switch and takes no value; the others need one.
bool viewSettingTakesValue(std::string_view name);

// The sentence refusing the value `given` to the setting or option shown as
// `shownName` ("--scale", "shape"), which takes `range`:
// "--scale harus bilangan bulat 1 sampai 8, bukan "9".". An empty shown
// name is shown as "«»" in this sentence and the ones below.
std::string valueRefusal(std::string_view shownName, std::string_view range, std::string_view given);
// A value given to a switch: "--axes tidak menerima nilai.".
std::string switchValueRefusal(std::string_view shownName);
// A name that is no setting: "warna tidak dikenal.".
std::string unknownSettingRefusal(std::string_view shownName);

// A setting or option is given once at most, on the command line as in the
// address: the first name of `names` (in the order given) that comes again,
// or nothing.
std::optional<std::string> firstRepeatedName(const std::vector<std::string>& names);
// The sentence refusing it: "pilihan --shape hanya boleh diberikan sekali.".
std::string repeatedSettingRefusal(std::string_view shownName);
// "section-plane" only says how a section is drawn, and "net", "pi" and
// "size-info" only how a school solid's sizes are: given without "section"
// or "size" among `names`, the sentence refusing the first, the names shown
// after `prefix` ("--" on the command line, nothing in the address);
// otherwise nothing.
std::optional<std::string> loneSettingRefusal(const std::vector<std::string>& names, std::string_view prefix);

// Reads one setting into `settings`. Nothing when it is taken; otherwise the
// one sentence that refuses it, naming the setting as `shownName` (the
// command line's "--shape", the address's "shape"). Nothing is changed by a
// refused value. An empty shown name is shown as "«»".
std::optional<std::string> readViewSetting(PictureSettings& settings, std::string_view name,
                                           std::string_view value, std::string_view shownName);

// A page's address fragment, "shape=3&view=120,60&axes" (with or without the
// "#"), percent escapes allowed ("view=120%2C60"): the settings, or the
// sentence refusing the first setting that is wrong: an unknown name, then a
// name given twice, then a value, as the command line refuses them. The
// sentence shows the address's text with its controls escaped
// (escapedtext.h). An empty fragment is the start view.
std::variant<PictureSettings, std::string> viewSettingsOfFragment(std::string_view fragment);

// The pointer position the same picture is drawn from within 0 ..
// kLargestPointerPosition: the rotation repeats every kPointerPositions pixels
// of travel, so a position the animation or the keys carried outside is
// brought back by whole turns, and rounded to a whole pixel, as the command
// line takes it.
int equivalentPointerPosition(float stored);

// The settings as the command line's options (without the program), only
// those that differ from the start: "--shape 3 --view 120,60 --axes". The
// shape and the view are always written.
std::string viewOptionsText(const PictureSettings& settings);
// The same as the page's address fragment, without the "#".
std::string viewFragment(const PictureSettings& settings);
