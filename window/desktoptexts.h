#pragma once
// The texts only the desktop window shows, where the page has the browser's
// own. UTF-8, Indonesian.

#include <string_view>

namespace DesktopTexts {

// "%1" is what was to be copied: PageTexts::kCopiedPicture or
// PageTexts::kCopiedViewCode, which both front ends name alike.
inline constexpr std::string_view kClipboardRefused
    = "Papan klip tidak dapat menerima %1, jadi %1 tidak tersalin.";

} // namespace DesktopTexts
