// "Ukuran Bangun": the school solid drawn with the sizes the window's bars
// set, its state the model's like "Irisan Bidang"'s.

#include "window/form1model.h"

void Form1Model::mnuUkuran_Click()
{
    m_sizesShown = true;
    m_sectionShown = false;
    redrawForOpenedWindow();
}

void Form1Model::frmUkuran_Unload()
{
    m_sizesShown = false;
    redrawWhereItStands();
}

// A change the picture shows only while the window is open on a solid of its own.
void Form1Model::showSizes()
{
    if (schoolSolid())
        redrawWhereItStands();
}

void Form1Model::hsbJariJari_Change(int radius)
{
    m_sizes.radius = radius;
    showSizes();
}

void Form1Model::hsbTinggi_Change(int height)
{
    m_sizes.height = height;
    showSizes();
}

void Form1Model::hsbJaring_Change(int percent)
{
    m_sizes.netPercent = percent;
    showSizes();
}

void Form1Model::hsbJariJari_Step(int steps)
{
    hsbJariJari_Change(SectionWindowLayout::steppedValue(SizeWindowLayout::kRadius, m_sizes.radius, steps));
}

void Form1Model::hsbTinggi_Step(int steps)
{
    hsbTinggi_Change(SectionWindowLayout::steppedValue(SizeWindowLayout::kHeight, m_sizes.height, steps));
}

void Form1Model::hsbJaring_Step(int steps)
{
    hsbJaring_Change(SectionWindowLayout::steppedValue(SizeWindowLayout::kNet, m_sizes.netPercent, steps));
}

// π changes the numbers, not the picture.
void Form1Model::optPi_Click(int index)
{
    m_sizes.pi = index == 0 ? SchoolPi::TwentyTwoSevenths : SchoolPi::ThreePointFourteen;
}

std::string Form1Model::sizeNumbersText() const
{
    std::string text;
    if (const auto solid = schoolSolid())
        for (const std::string& line : workedLines(*solid, m_sizes.pi))
            text += line + '\n';
    return text;
}

// A view noted with a school solid opens the window on its sizes; one
// without closes it.
void Form1Model::takeSchoolSolid(const PictureSettings& settings)
{
    const auto& solid = settings.options.schoolSolid;
    m_sizesShown = solid.has_value();
    if (!solid)
        return;
    m_sectionShown = false;
    m_sizes.radius = solid->radius;
    m_sizes.height = solid->height;
    m_sizes.netPercent = solid->netPercent;
    m_sizes.pi = settings.pi;
}
