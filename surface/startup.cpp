#include "surface/startup.h"

using namespace StartupDefaults;

namespace {

void layOutShapeButtons(StartupWindow& window)
{
    for (int n = 0; n < kShapeButtonCount; ++n) {
        window.setOptionLeft(n, kOptionLeft);
        // Button 0 keeps its own top; the others stand below it at a fixed
        // pitch, whatever their stored positions were.
        if (n > 0)
            window.setOptionTop(n, window.optionTop(0) + kOptionPitch * n);
    }
}

} // namespace

void runStartupSequence(ViewState& state, PointGrid& grid, StartupWindow& window)
{
    state.GridCols = kGridSize;
    state.GridRows = kGridSize;
    grid.allocate(state.GridCols, state.GridRows);

    window.setTimerInterval(TimerId::Timer1, kTimerIntervalMs);
    window.setTimerEnabled(TimerId::Timer1, false);
    window.setTimerInterval(TimerId::Timer2, kTimerIntervalMs);
    window.setTimerEnabled(TimerId::Timer2, false);

    state.AnimStepX = kAnimStep;
    state.AnimStepY = kAnimStep;
    window.setLabelCaption(LabelId::LabAspect, kAspectCaption);
    window.setLabelCaption(LabelId::LabPerspec, kPerspectiveCaption);
    state.ShapeSize = kShapeSize;

    window.setPictureHeight(kPictureSize);
    window.setPictureWidth(kPictureSize);
    layOutShapeButtons(window);

    state.ShapeIndex = 0;
    // Switching the button on may run its click handler, which builds with
    // the values of this moment; the build below follows with all defaults.
    window.switchOptionOn(0);
    state.AspectFactor = kAspectFactor;
    state.PerspectiveDistance = kPerspectiveDistance;
    window.buildShapePoints();
}
