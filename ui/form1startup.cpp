#include "ui/form1startup.h"

#include "ui/form1controls.h"
#include "ui/picturewidget.h"
#include "ui/qtrects.h"

#include <QRadioButton>

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

int Form1StartupWindow::firstOptionTop() const
{
    return pixelsToTwips(m_controls.Option1.front()->y());
}

void Form1StartupWindow::placeOptions(const OptionColumn& column)
{
    for (std::size_t n = 0; n < column.size(); ++n)
        m_controls.Option1.at(n)->move(twipsToPixels(column[n].left), twipsToPixels(column[n].top));
}
