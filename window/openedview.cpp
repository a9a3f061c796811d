#include "window/openedview.h"

#include "window/form1layout.h"

int AreaLoadWindow::firstOptionTop() const
{
    return Form1Layout::findControl(Form1Layout::kShapeButtonNames.front())->place.y;
}

OpenedView::OpenedView(const PictureSettings& settings)
{
    AreaLoadWindow window(m_area);
    m_model.Form_Load(window);
    m_model.openView(settings);
}
