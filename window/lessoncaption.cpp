#include "window/lessoncaption.h"

#include "surface/shapecatalogue.h"
#include "window/sectionwindowlayout.h"
#include "window/sizenumbers.h"

namespace {

// The window's own label, "Irisan:", before the section's line.
std::string sectionCaption(const Form1Model& model)
{
    const PlaneSection& section = model.planeSection();
    if (!section.available || section.flat)
        return {};
    return std::string(shapeCaption(model.shapeIndex())) + " \u2014 "
        + std::string(SectionWindowLayout::kSectionCaption) + " " + section.line();
}

} // namespace

std::string fullScreenCaption(const Form1Model& model)
{
    if (model.sectionShown())
        return sectionCaption(model);
    if (const auto solid = model.schoolSolid())
        return sizeCaption(*solid, model.sizeValues().pi);
    return {};
}

PictureFileView exportedView(const Form1Model& model)
{
    return {model.area().Image(), model.pictureLines(), model.shapeIndex(), fullScreenCaption(model)};
}
