// Prints where the main window's controls lie in its client area, in pixels,
// as shell assignments for tests/e2e/real_window.sh, so the test clicks and
// reads the screen where the layout table puts each control:
//   place_Option1_3="19 256 89 21"   (left top width height; "Option1(3)")
//   client_height=511  picture_border=2
// A control inside a frame is placed relative to the frame.

#include "platform/picturebox.h"
#include "surface/startup.h"
#include "window/form1layout.h"
#include "window/twips.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

TwipsBox containerPlace(std::string_view container)
{
    for (const ControlDescription& row : Form1Layout::kControls)
        if (!container.empty() && row.name == container)
            return row.place;
    return {};
}

std::string shellName(std::string_view name)
{
    std::string shell;
    for (const char c : name)
        if (c != ')')
            shell += c == '(' ? '_' : c;
    return shell;
}

} // namespace

int main()
{
    for (const ControlDescription& row : Form1Layout::kControls) {
        const TwipsBox outer = containerPlace(row.container);
        const PixelRect rect = twipsToPixelRect(row.place);
        std::cout << "place_" << shellName(row.name) << "=\"" << twipsToPixels(outer.x) + rect.x << ' '
                  << twipsToPixels(outer.y) + rect.y << ' ' << rect.width << ' ' << rect.height << "\"\n";
    }
    std::cout << "client_height=" << twipsToPixels(Form1Layout::kClientHeight) << '\n';
    // The drawing area's border: its outer size less its interior, each side.
    PictureBox area;
    area.setOuterSize(StartupDefaults::kPictureSize, StartupDefaults::kPictureSize);
    std::cout << "picture_border=" << (StartupDefaults::kPictureSize - area.ScaleWidth()) / 2 << '\n';
}
