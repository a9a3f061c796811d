#include "ui/form1startup.h"

#include "ui/form1controls.h"
#include "ui/picturewidget.h"
#include "ui/twips.h"

#include <QRadioButton>

namespace {

QRadioButton* option(const Form1Controls& controls, int index)
{
    return controls.Option1.at(static_cast<std::size_t>(index));
}

} // namespace

Form1StartupWindow::Form1StartupWindow(const Form1Controls& controls)
    : m_controls(controls)
{
}

void Form1StartupWindow::setPictureHeight(int pixels)
{
    m_controls.picDisplay->setOuterHeight(pixels);
}

void Form1StartupWindow::setPictureWidth(int pixels)
{
    m_controls.picDisplay->setOuterWidth(pixels);
}

int Form1StartupWindow::optionTop(int index) const
{
    return pixelsToTwips(option(m_controls, index)->y());
}

void Form1StartupWindow::setOptionLeft(int index, int twips)
{
    QRadioButton* button = option(m_controls, index);
    button->move(twipsToPixels(twips), button->y());
}

void Form1StartupWindow::setOptionTop(int index, int twips)
{
    QRadioButton* button = option(m_controls, index);
    button->move(button->x(), twipsToPixels(twips));
}
