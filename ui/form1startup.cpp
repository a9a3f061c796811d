#include "ui/form1startup.h"

#include "ui/animationtimer.h"
#include "ui/form1.h"
#include "ui/form1controls.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/twips.h"

#include <QLabel>
#include <QRadioButton>

namespace {

AnimationTimer* timer(const Form1Controls& controls, TimerId id)
{
    return id == TimerId::Timer1 ? controls.Timer1 : controls.Timer2;
}

QRadioButton* option(const Form1Controls& controls, int index)
{
    return controls.Option1.at(static_cast<std::size_t>(index));
}

} // namespace

Form1StartupWindow::Form1StartupWindow(const Form1Controls& controls, Form1& form)
    : m_controls(controls)
    , m_form(form)
{
}

void Form1StartupWindow::setTimerInterval(TimerId id, int milliseconds)
{
    timer(m_controls, id)->setInterval(milliseconds);
}

void Form1StartupWindow::setTimerEnabled(TimerId id, bool enabled)
{
    timer(m_controls, id)->setEnabled(enabled);
}

void Form1StartupWindow::setLabelCaption(LabelId label, std::string_view caption)
{
    QLabel* target = label == LabelId::LabAspect ? m_controls.LabAspect : m_controls.LabPerspec;
    target->setText(toQString(caption));
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

void Form1StartupWindow::switchOptionOn(int index)
{
    option(m_controls, index)->setChecked(true);
}

void Form1StartupWindow::buildShapePoints()
{
    m_form.BuildShapePoints();
}
