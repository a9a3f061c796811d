#include "surface/startup.h"

using namespace StartupDefaults;

OptionColumn shapeButtonColumn(int firstTop)
{
    OptionColumn column;
    for (int n = 0; n < kShapeButtonCount; ++n)
        column[static_cast<std::size_t>(n)] = {kOptionLeft, firstTop + kOptionPitch * n};
    return column;
}

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
    window.placeOptions(shapeButtonColumn(window.firstOptionTop()));

    state.ShapeIndex = start.ShapeIndex;
    // Switching the button on may run its click handler, which builds with
    // the values of this moment; the build below follows with all defaults.
    window.switchOptionOn(0);
    state.AspectFactor = start.AspectFactor;
    state.PerspectiveDistance = start.PerspectiveDistance;
    window.buildShapePoints();
}
