#pragma once
// The texts only the desktop window shows, where the page has the browser's
// own. UTF-8, Indonesian.

#include <string_view>

namespace DesktopTexts {

// "%1" is what was to be copied: PageTexts::kCopiedPicture or
// PageTexts::kCopiedViewCode, which both front ends name alike.
inline constexpr std::string_view kClipboardRefused
    = "Papan klip tidak dapat menerima %1, jadi %1 tidak tersalin.";

// The window system cannot be reached; %1 is the program as it was
// started, for the command that runs it under a virtual display.
inline constexpr std::string_view kNoDisplay
    = "RUVEX Display 3D memerlukan layar grafis, tetapi tidak ada yang dapat dihubungi (DISPLAY tidak diisi "
      "atau tidak dapat dibuka): jalankan program ini di desktop, atau di layar virtual dengan `xvfb-run -a "
      "%1`.";
// Any other failure of the toolkit's start; %1 is the toolkit's own reason.
inline constexpr std::string_view kStartFailure
    = "RUVEX Display 3D tidak dapat dimulai. Keterangan dari Qt:\n%1";

} // namespace DesktopTexts
