#pragma once
// The scalar view variables the main window's handlers share. Every member is
// zero until the start-up sequence gives it its starting value; startup.h is
// the one place that knows the defaults (startupViewState).

#include <cstdint>

struct ViewState {
    std::int32_t GridRows = 0;
    std::int32_t GridCols = 0;
    float MouseX = 0.0f;
    float MouseY = 0.0f;
    float AnimStepX = 0.0f;
    float AnimStepY = 0.0f;
    float PerspectiveDistance = 0.0f;
    float AspectFactor = 0.0f;
    float ShapeSize = 0.0f;
    // Perspective applies only when this equals 1 (2, a greyed box, is off).
    std::int32_t PerspectiveFlag = 0;
    std::int32_t ShapeIndex = 0;
};
