#include "window/openedview.h"

#include "window/form1layout.h"

namespace {

// The start-up's window operations with nothing but the drawing area: its
// size goes to the area, and the shape buttons, which nobody sees, stay
// where the layout puts them.
class AreaOnlyWindow final : public Form1LoadWindow {
public:
    explicit AreaOnlyWindow(PictureBox& area)
        : m_area(area)
    {
    }
    void setPictureHeight(int pixels) override { m_area.setHeight(pixels); }
    void setPictureWidth(int pixels) override { m_area.setWidth(pixels); }
    int firstOptionTop() const override
    {
        return Form1Layout::findControl(Form1Layout::kShapeButtonNames.front())->place.top;
    }
    void placeOptions(const OptionColumn&) override { }

private:
    PictureBox& m_area;
};

} // namespace

OpenedView::OpenedView(const PictureSettings& settings)
{
    AreaOnlyWindow window(m_area);
    m_model.Form_Load(window);
    m_model.openView(settings);
}
