// The window session's "Ukuran Bangun": what its window shows.

#include "window/sizewindowlayout.h"
#include "window/windowsession.h"

SizeSnapshot WindowSession::sizeSnapshot() const
{
    using namespace SizeWindowLayout;
    const SizeWindowValues& values = m_model.sizeValues();
    const int shape = m_model.shapeIndex();
    const auto solid = m_model.schoolSolid();
    SizeSnapshot s;
    s.shown = m_model.sizesShown();
    s.available = hasSchoolSolid(shape);
    s.radius = values.radius;
    s.height = values.height;
    s.heightEnabled = hasSchoolHeight(shape);
    s.net = values.netPercent;
    s.netEnabled = hasSchoolHeight(shape);
    s.pi = values.pi == SchoolPi::TwentyTwoSevenths ? 0 : 1;
    s.radiusText = radiusText(values.radius);
    s.heightText = heightText(values.height);
    s.netText = netText(values.netPercent);
    s.numbers = m_model.sizeNumbersText();
    if (!s.numbers.empty())
        s.numbers.pop_back();
    s.notice = s.available ? std::string(noNetSentence(shape)) : std::string(SizeTexts::kOtherShape);
    if (solid)
        s.caption = sizeCaption(*solid, values.pi);
    return s;
}
