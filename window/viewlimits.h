#pragma once
// The ranges of a view's settings, each written once: the command line checks
// against them, the page's address is read with them, and the window's scroll
// bars (form1layout.h) are built from them, so none of them can disagree.
//
// Only numbers; viewsettings.h reads and writes the settings.

#include "surface/shapecatalogue.h"
#include "surface/startup.h"

// The perspective distance, the scroll bar "Perbesar/Perkecil" runs over.
inline constexpr int kMinDistance = 100;
inline constexpr int kMaxDistance = 350;
// The aspect factor in tenths, as the aspect scroll bar counts it.
inline constexpr int kMinAspectTenths = 0;
inline constexpr int kMaxAspectTenths = 16;
// The drawing area's border, which the pointer cannot reach.
inline constexpr int kPictureBorder = 2;
// The pointer lies on the drawing area's interior: 0 up to this, both ways.
inline constexpr int kLargestPointerPosition = StartupDefaults::kPictureSize - 2 * kPictureBorder - 1;
// The interior's width: the pointer positions a turn of the solid spans.
inline constexpr int kPointerPositions = kLargestPointerPosition + 1;
// Enlargement of a .png picture.
inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 8;
// The shapes, numbered 0 up to this.
inline constexpr int kLargestShapeNumber = kShapeCount - 1;

static_assert(kMinDistance <= StartupDefaults::kPerspectiveScrollValue
              && StartupDefaults::kPerspectiveScrollValue <= kMaxDistance);
static_assert(kMinAspectTenths <= StartupDefaults::kAspectTenths
              && StartupDefaults::kAspectTenths <= kMaxAspectTenths);
// Each shape has its button in the window.
static_assert(kShapeButtonCount == kShapeCount);
