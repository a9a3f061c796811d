#include "platform/picturebox.h"

#include <algorithm>

QRgb toQRgb(ColorRef color)
{
    const int red = color & 0xFF;
    const int green = (color >> 8) & 0xFF;
    const int blue = (color >> 16) & 0xFF;
    return qRgb(red, green, blue);
}

PictureBox::PictureBox(int borderWidth)
    : m_border(borderWidth)
{
    m_dc.attach(&m_image);
}

void PictureBox::setOuterSize(int width, int height)
{
    m_outerWidth = width;
    m_outerHeight = height;
    const int interiorWidth = std::max(0, width - 2 * m_border);
    const int interiorHeight = std::max(0, height - 2 * m_border);
    if (interiorWidth == m_image.width() && interiorHeight == m_image.height())
        return;
    m_image = QImage(interiorWidth, interiorHeight, QImage::Format_RGB32);
    m_image.fill(toQRgb(BackColor()));
    m_dc.attach(&m_image);
    m_dc.takePaintedBounds();
    m_content = QRect();
    m_changed = m_image.rect();
}

void PictureBox::Cls()
{
    if (m_image.isNull())
        return;
    m_image.fill(toQRgb(BackColor()));
    collectPainted();
    m_changed |= m_content;
    m_content = QRect();
}

void PictureBox::collectPainted()
{
    const QRect painted = m_dc.takePaintedBounds();
    m_content |= painted;
    m_changed |= painted;
}

QRect PictureBox::takeChangedRect()
{
    collectPainted();
    const QRect changed = m_changed;
    m_changed = QRect();
    return changed;
}

HDC PictureBox::hDC()
{
    m_dc.attach(&m_image);
    return &m_dc;
}

void PictureBox::setForeColor(ColorRef color)
{
    m_dc.setPenColor(color);
}

void PictureBox::setDrawWidth(int width)
{
    m_dc.setPenWidth(width);
}
