#include "window/arealoadwindow.h"

#include "window/form1layout.h"

int AreaLoadWindow::firstOptionTop() const
{
    return Form1Layout::findControl(Form1Layout::kShapeButtonNames.front())->place.y;
}
