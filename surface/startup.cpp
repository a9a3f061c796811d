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

ViewState startupViewState()
{
    ViewState state;
    state.GridCols = kGridSize;
    state.GridRows = kGridSize;
    state.AnimStepX = kAnimStep;
    state.AnimStepY = kAnimStep;
    state.ShapeSize = kShapeSize;
    state.AspectFactor = kAspectFactor;
    state.PerspectiveDistance = kPerspectiveDistance;
    return state;
}

void runStartupSequence(ViewState& state, PointGrid& grid, StartupWindow& window)
{
    const ViewState start = startupViewState();
    state.GridCols = start.GridCols;
    state.GridRows = start.GridRows;
    grid.allocate(state.GridCols, state.GridRows);

    window.setTimerInterval(TimerId::Timer1, kTimerIntervalMs);
    window.setTimerEnabled(TimerId::Timer1, false);
    window.setTimerInterval(TimerId::Timer2, kTimerIntervalMs);
    window.setTimerEnabled(TimerId::Timer2, false);

    state.AnimStepX = start.AnimStepX;
    state.AnimStepY = start.AnimStepY;
    window.setLabelCaption(LabelId::LabAspect, kAspectCaption);
    window.setLabelCaption(LabelId::LabPerspec, kPerspectiveCaption);
    state.ShapeSize = start.ShapeSize;

    window.setPictureHeight(kPictureSize);
    window.setPictureWidth(kPictureSize);
    layOutShapeButtons(window);

    state.ShapeIndex = start.ShapeIndex;
    // Switching the button on may run its click handler, which builds with
    // the values of this moment; the build below follows with all defaults.
    window.switchOptionOn(0);
    state.AspectFactor = start.AspectFactor;
    state.PerspectiveDistance = start.PerspectiveDistance;
    window.buildShapePoints();
}
