#pragma once
// The stored layouts of the five information windows, one row each: caption,
// client size, background, the OK button, the text label and its text, and
// any lines, in twips as the main window's layout (form1layout.h) measures.
// The windows are built from these rows by InfoWindow; which command opens
// which window is the menuItem column.
//
// The about windows (frmAbout, frmAbout1) close with cmdOK, which is both
// their default and cancel button, and are destroyed when they close. The
// dialogs (Dialog, Dialog1, Dialog2) only hide on OKButton and keep their
// place; Esc does nothing there.

#include "window/form1layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

enum class InfoWindowId { frmAbout, frmAbout1, Dialog, Dialog1, Dialog2 };
inline constexpr int kInfoWindowCount = 5;

enum class InfoBackground { White, ButtonFace };
enum class LabelColours {
    BlackOnWhite,    // black text on an opaque white box
    WhiteBackground, // the default text colour on an opaque white box
    Default,         // the window's own colours
};

struct ColouredLine {
    LinePlacement placement;
    std::uint32_t rgb = 0;
};

struct InfoWindowLayout {
    InfoWindowId id;
    std::string_view name;
    std::string_view menuItem; // the main window's menu command that opens it
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    InfoBackground background = InfoBackground::ButtonFace;
    std::string_view picture; // the name of a program picture drawn at the top-left corner, or ""
    // cmdOK of an about window (default and cancel button, unloads), or
    // OKButton of a dialog (neither, hides).
    bool aboutWindow = false;
    ControlPlacement okButton;
    ControlPlacement label;
    LabelColours labelColours = LabelColours::Default;
    bool labelItalic = false;
    std::string_view text;
    std::span<const ColouredLine> lines; // bottom first
};

namespace InfoWindowTexts {

// The OK button's caption in every information window and the help window.
inline constexpr std::string_view kOkCaption = "OK";
// The text label's font; the row says whether it is italic.
inline constexpr ControlFont kLabelFont{"Times New Roman", 9.75, false, false};
// The pictures behind the windows, by their names among the program's
// pictures (pictures/programpictures.h).
inline constexpr std::string_view kAboutPicture = "aboutback.bmp";
inline constexpr std::string_view kContactPicture = "contactback.bmp";

// What the program is for; it ends without a full stop.
inline constexpr std::string_view kFunction
    = "RUVEX Display 3D Berfungsi Untuk Mengenalkan Bangun-Bangun Ruang 3 Dimensi. Selain Itu Juga "
      "Diharapkan Dapat Menggantikan Model Bangun Ruang Konvensional. Karena Dalam Bentuk Digital "
      "Model-Model Tersebut Akan Lebih Fleksibel dan Portabel";

inline constexpr std::string_view kAudience
    = "Secara Khusus Sasaran Dari RUVEX Display 3D Ini Adalah SMA Kelas X Semester 2.";

// The names, address and number below are placeholders, not real people.
inline constexpr std::string_view kContact
    = "Jika ada kesalahan pada software ini atau perlu informasi lebih lanjut tentang aplikasi ini, "
      "hubungi saya di e-mail penulis@example.com atau HP 0000-0000-0000 (Contoh). Terimakasih.";

inline constexpr std::string_view kCredits
    = "RUVEX Display 3D disusun sebagai tugas media pembelajaran untuk mata kuliah RUVEX "
      "(Spasiologi) yang diampu oleh Bapak Dr. Dosen Contoh, M.Si., Universitas Contoh.";

inline constexpr std::string_view kThanks
    = "Atas nama mahasiswa Pendidikan Matematika Angkatan Contoh, penulis mengucapkan terimakasih "
      "kepada Bapak Dr. Dosen Contoh, M.Si. yang telah membimbing kami dalam mata kuliah "
      "Spasiologi (RUVEX). Semoga ilmu yang diberikan bermanfaat bagi kami. Amin.";

} // namespace InfoWindowTexts

namespace InfoWindowLayouts {

// frmAbout1's etched rule near its lower edge: grey, then white over it.
inline constexpr std::array kAudienceLines = {
    ColouredLine{{"Line1(1)", 120, 5880, 5684, 1}, 0x808080},
    ColouredLine{{"Line1(0)", 0, 5880, 5549, 2}, 0xFFFFFF},
};

// One row a window, laid out as a table.
// clang-format off
inline constexpr std::array kWindows = {
    InfoWindowLayout{InfoWindowId::frmAbout, "frmAbout", "MnuFungsi", "Fungsi RUVEX Display 3D", 6015, 5910,
                     InfoBackground::White, InfoWindowTexts::kAboutPicture, true,
                     ControlPlacement{"cmdOK", {4560, 2160, 1260, 345}, 0},
                     ControlPlacement{"lblTitle", {2760, 240, 3165, 2160}, 1}, LabelColours::BlackOnWhite, true,
                     InfoWindowTexts::kFunction, {}},
    InfoWindowLayout{InfoWindowId::frmAbout1, "frmAbout1", "MnuSasaran", "Sasaran RUVEX Display 3D", 6015,
                     5910, InfoBackground::White, InfoWindowTexts::kAboutPicture, true,
                     ControlPlacement{"cmdOK", {4320, 1440, 1260, 345}, 0},
                     ControlPlacement{"lblTitle", {2880, 240, 3045, 1680}, 1}, LabelColours::BlackOnWhite,
                     false, InfoWindowTexts::kAudience, kAudienceLines},
    InfoWindowLayout{InfoWindowId::Dialog, "Dialog", "Mnu", "Contact Me", 6750, 5490, InfoBackground::ButtonFace,
                     InfoWindowTexts::kContactPicture, false,
                     ControlPlacement{"OKButton", {1800, 1560, 1215, 375}, 0},
                     ControlPlacement{"Label1", {120, 120, 2895, 1815}, 1}, LabelColours::WhiteBackground, false,
                     InfoWindowTexts::kContact, {}},
    InfoWindowLayout{InfoWindowId::Dialog1, "Dialog1", "MnuInfodancredit", "Info", 6030, 1500,
                     InfoBackground::ButtonFace, "", false, ControlPlacement{"OKButton", {4680, 120, 1215, 375}, 0},
                     ControlPlacement{"Label1", {120, 120, 4455, 1335}, 1}, LabelColours::Default, false,
                     InfoWindowTexts::kCredits, {}},
    InfoWindowLayout{InfoWindowId::Dialog2, "Dialog2", "MnuTerimakasih", "Ucapan Terimakasih", 6030, 1500,
                     InfoBackground::ButtonFace, "", false, ControlPlacement{"OKButton", {4680, 120, 1215, 375}, 0},
                     ControlPlacement{"Label1", {120, 120, 4455, 1335}, 1}, LabelColours::Default, false,
                     InfoWindowTexts::kThanks, {}},
};
// clang-format on

constexpr const InfoWindowLayout& layoutOf(InfoWindowId id)
{
    return kWindows[static_cast<std::size_t>(id)];
}

static_assert(kWindows.size() == kInfoWindowCount);
static_assert(
    [] {
        for (std::size_t n = 0; n < kWindows.size(); ++n)
            if (static_cast<std::size_t>(kWindows[n].id) != n)
                return false;
        return true;
    }(),
    "rows follow InfoWindowId");

} // namespace InfoWindowLayouts
