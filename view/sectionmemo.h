#pragma once
// The last plane section worked out, kept until the solid, its aspect or the
// plane changes: a turning solid redraws its section many times a second,
// and the curve in the solid's own coordinates does not turn with it.

#include "surface/planesection.h"

#include <optional>

class SectionMemo {
public:
    const PlaneSection& section(int shapeIndex, float aspectFactor, SectionPlane plane);

private:
    struct Inputs {
        int shapeIndex = 0;
        float aspectFactor = 0.0f;
        SectionPlane plane;
        friend bool operator==(const Inputs&, const Inputs&) = default;
    };
    std::optional<Inputs> m_inputs;
    PlaneSection m_section;
};
