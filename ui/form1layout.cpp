#include "ui/form1layout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace Form1Layout {

const ControlPlacement& placementOf(std::string_view name)
{
    const auto* found = std::find_if(kControls.begin(), kControls.end(),
                                     [name](const ControlPlacement& p) { return p.name == name; });
    if (found == kControls.end())
        throw std::logic_error("no placement for control " + std::string(name));
    return *found;
}

} // namespace Form1Layout
