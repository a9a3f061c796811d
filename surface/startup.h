#pragma once
// The main window's start-up sequence, written against the handful of window
// operations it needs so that it runs and can be checked without widgets.
//
// It gives the view variables their starting values, allocates the grid,
// prepares timers, labels, drawing area and shape buttons, and ends by
// building the first shape. It does not create any control.

#include "surface/pointgrid.h"
#include "surface/viewstate.h"

#include <array>
#include <cmath>
#include <string_view>

enum class TimerId { Timer1, Timer2 };
enum class LabelId { LabAspect, LabPerspec };

inline constexpr int kShapeButtonCount = 15;

// A shape button's place within its frame, in the frame's units, twips.
struct OptionPlace {
    int left = 0;
    int top = 0;
    friend constexpr bool operator==(const OptionPlace&, const OptionPlace&) = default;
};
using OptionColumn = std::array<OptionPlace, kShapeButtonCount>;

class StartupWindow {
public:
    virtual ~StartupWindow() = default;

    virtual void setTimerInterval(TimerId timer, int milliseconds) = 0;
    virtual void setTimerEnabled(TimerId timer, bool enabled) = 0;
    virtual void setLabelCaption(LabelId label, std::string_view caption) = 0;
    // In the main window's units, pixels.
    virtual void setPictureHeight(int pixels) = 0;
    virtual void setPictureWidth(int pixels) = 0;
    // The top of Option1(0), where the column starts, and the column the
    // sequence lines all fifteen up in (shapeButtonColumn).
    virtual int firstOptionTop() const = 0;
    virtual void placeOptions(const OptionColumn& column) = 0;
    virtual void switchOptionOn(int index) = 0;
    virtual void buildShapePoints() = 0;
};

// Starting values of the view, as the sequence sets them. The window's two
// scroll bars start at the values these come from.
namespace StartupDefaults {
inline constexpr int kTimerIntervalMs = 1;
inline constexpr float kAnimStep = 15.0f;
inline constexpr float kShapeSize = 100.0f;
// The aspect scroll bar counts tenths of the stretch factor.
inline constexpr int kAspectTenths = 10;
inline constexpr float kAspectFactor = kAspectTenths / 10.0f;
inline constexpr std::string_view kAspectCaption = "1";
inline constexpr int kPerspectiveScrollValue = 150;
inline constexpr float kPerspectiveDistance = kPerspectiveScrollValue;
inline constexpr std::string_view kPerspectiveCaption = "150";
inline constexpr int kPictureSize = 400;
inline constexpr int kOptionLeft = 150;
inline constexpr int kOptionPitch = 300;

// The captions are the starting values written out; checked here so that
// neither can change without the other.
constexpr int captionValue(std::string_view caption)
{
    int value = 0;
    for (const char digit : caption)
        value = value * 10 + (digit - '0');
    return value;
}
static_assert(captionValue(kAspectCaption) * 10 == kAspectTenths);
static_assert(captionValue(kPerspectiveCaption) == kPerspectiveScrollValue);
} // namespace StartupDefaults

// The aspect factor for the aspect scroll bar's value, which counts tenths,
// held as a single as the view keeps it: 0, 0.1, ..., 1.6.
inline float aspectFactorOfTenths(int tenths)
{
    return static_cast<float>(tenths / 10.0);
}

// The scroll bar's value for an aspect factor held so: the nearest tenth,
// which gives every value above back exactly.
inline int tenthsOfAspectFactor(float aspect)
{
    return static_cast<int>(std::lround(aspect * 10.0));
}

// The shape buttons' column below Option1(0), at `firstTop`: every button at
// the same left, each one pitch below the one before, whatever its stored
// place.
OptionColumn shapeButtonColumn(int firstTop);

// The view the sequence leaves: the full grid, the sweep at its start speed,
// the defaults above, shape 0 seen from (0, 0) without perspective. The
// stand-alone view, the benchmark and the tests start from it too.
ViewState startupViewState();

void runStartupSequence(ViewState& state, PointGrid& grid, StartupWindow& window);
