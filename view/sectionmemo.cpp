#include "view/sectionmemo.h"

const PlaneSection& SectionMemo::section(int shapeIndex, float aspectFactor, SectionPlane plane)
{
    const Inputs inputs{shapeIndex, aspectFactor, plane};
    if (m_inputs != inputs) {
        m_section = planeSection(shapeIndex, aspectFactor, plane);
        m_inputs = inputs;
    }
    return m_section;
}
