#pragma once
// The names of the command line's options ("--shape") and of the page's
// address's settings ("#shape=3"), which are the same: written here once for
// the tables that read, write, explain and check them.

#include <string_view>

namespace OptionName {

// The view's settings, which the window opens on and the address gives.
inline constexpr std::string_view kShape = "shape";
inline constexpr std::string_view kView = "view";
inline constexpr std::string_view kPerspective = "perspective";
inline constexpr std::string_view kAspect = "aspect";
inline constexpr std::string_view kBackLines = "back-lines";
inline constexpr std::string_view kAxes = "axes";
inline constexpr std::string_view kSection = "section";
inline constexpr std::string_view kSectionPlane = "section-plane";
inline constexpr std::string_view kSize = "size";
inline constexpr std::string_view kNet = "net";
inline constexpr std::string_view kPi = "pi";

// The command line's own.
inline constexpr std::string_view kExport = "export";
inline constexpr std::string_view kSectionInfo = "section-info";
inline constexpr std::string_view kSizeInfo = "size-info";
inline constexpr std::string_view kDescribe = "describe";
inline constexpr std::string_view kScale = "scale";
inline constexpr std::string_view kHelp = "help";
inline constexpr std::string_view kVersion = "version";

} // namespace OptionName
