#pragma once
// What the files that read and write a view's settings share
// (viewsettings.cpp, viewsettingtexts.cpp, viewfragment.cpp): the words
// "back-lines" and "section-plane" take, and the pieces of the sentences that
// refuse a setting. The settings' own functions are in viewsettings.h.

#include <string>
#include <string_view>

namespace ViewSettingWords {

inline constexpr std::string_view kDashed = "dashed";
inline constexpr std::string_view kSolid = "solid";
inline constexpr std::string_view kPlaneShown = "shown";
inline constexpr std::string_view kPlaneHidden = "hidden";

// The name as a sentence shows it: an empty one as "«»", so that the
// sentence still names what was given.
std::string shown(std::string_view name);
// "warna tidak dikenal.": a name that is no setting.
std::string unknownRefusal(std::string_view shownName);

} // namespace ViewSettingWords
