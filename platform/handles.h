#pragma once
// The handle, point and colour types of our stand-ins for the Windows calls,
// and nothing that draws: the view model stores a device-context handle and a
// point, and depends on these types alone.
//
// Everything lives in ruvex::win, so that a translation unit which also sees
// the system's declarations of the same names (HDC, HWND) gets no clash. None
// of these names is a macro of the system headers.

#include <cstdint>

namespace ruvex::win {

// The device context is the one drawing class (imagedevicecontext.h).
class ImageDeviceContext;
using HDC = ImageDeviceContext*;

// A window handle: a small positive number, 0 for "no window" (the table that
// hands them out belongs to the window toolkit's side of the program).
using HWND = std::int32_t;

// A point of two 32-bit integers, as the move-to call reports it.
struct POINTAPI {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const POINTAPI&, const POINTAPI&) = default;
};

// Colours as code sets them: 0x00BBGGRR.
using ColorRef = std::uint32_t;

} // namespace ruvex::win
