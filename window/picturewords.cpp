#include "window/picturewords.h"

#include "surface/planesection.h"
#include "surface/sectiontexts.h"
#include "surface/shapecatalogue.h"
#include "window/accessibletexts.h"
#include "window/sizenumbers.h"
#include "window/viewlimits.h"

#include <cmath>
#include <vector>

namespace {

std::string degrees(int value)
{
    return std::to_string(value) + std::string(MathSigns::kDegree);
}

// "diputar 30° ke kanan dan 20° ke atas"; a turn of nothing either way is
// left out, and the front view itself is named as such.
std::string turnWords(const PictureSettings& settings)
{
    const int right = degreesFromFront(equivalentPointerPosition(settings.pointerX));
    // Upward is toward the top of the drawing area, where the pointer's y falls.
    const int up = degreesFromFront((kPointerPositions - equivalentPointerPosition(settings.pointerY))
                                    % kPointerPositions);
    std::vector<std::string> parts;
    if (right != 0)
        parts.push_back(degrees(std::abs(right)) + (right > 0 ? " ke kanan" : " ke kiri"));
    if (up != 0)
        parts.push_back(degrees(std::abs(up)) + (up > 0 ? " ke atas" : " ke bawah"));
    if (parts.empty())
        return "tampak depan";
    return "diputar " + parts.front() + (parts.size() > 1 ? " dan " + parts.back() : std::string());
}

// "r = 7 cm, t = 10 cm, jaring-jaring terbuka 50 %": what "Ukuran Bangun" set.
std::string sizeWords(const SchoolSolid& solid)
{
    std::string words = "r = " + std::to_string(solid.radius) + " cm";
    if (hasSchoolHeight(solid.shapeIndex))
        words += ", t = " + std::to_string(solid.height) + " cm";
    if (solid.netPercent > 0)
        words += ", jaring-jaring terbuka " + std::to_string(solid.netPercent) + " %";
    return words;
}

// The first sentence: the solid and how it is seen.
std::string viewSentence(const PictureSettings& settings)
{
    std::string sentence(shapeCaption(settings.shapeIndex));
    if (settings.options.schoolSolid)
        sentence += ", " + sizeWords(*settings.options.schoolSolid);
    sentence += ", " + turnWords(settings);
    if (settings.perspective)
        sentence += ", perspektif jarak " + std::to_string(settings.perspectiveDistance);
    if (settings.aspectTenths != StartupDefaults::kAspectTenths)
        sentence += ", aspek " + tenthsText(settings.aspectTenths);
    return sentence + ".";
}

std::string aidsSentence(const PictureOptions& options)
{
    if (options.dashedBackLines && options.axes)
        return " Dengan garis belakang putus-putus dan sumbu koordinat.";
    if (options.dashedBackLines)
        return " Dengan garis belakang putus-putus.";
    if (options.axes)
        return " Dengan sumbu koordinat.";
    return {};
}

// "Irisan: elips, (s + 47,7)²/62,2² + t²/49,9² = 1."; where nothing can be
// cut, the section window's own sentence saying why.
std::string sectionSentence(const PictureSettings& settings)
{
    const PlaneSection section = planeSection(
        settings.shapeIndex, aspectFactorOfTenths(settings.aspectTenths), settings.options.section->plane);
    if (!section.available || section.flat) {
        const std::string why = section.line();
        return " " + why + (why.ends_with('.') ? "" : ".");
    }
    std::string sentence = " Irisan: " + section.name;
    if (!section.equation.empty())
        sentence += ", " + section.equation;
    return sentence + ".";
}

} // namespace

int degreesFromFront(int pointerPosition)
{
    const long turned = std::lround(360.0 * pointerPosition / kPointerPositions) % 360;
    return static_cast<int>(turned > 180 ? turned - 360 : turned);
}

std::string pictureInWords(const PictureSettings& settings)
{
    std::string words = viewSentence(settings) + aidsSentence(settings.options);
    if (settings.options.schoolSolid)
        words += " " + sizeResults(*settings.options.schoolSolid, settings.pi) + ".";
    else if (settings.options.section)
        words += sectionSentence(settings);
    return words;
}
