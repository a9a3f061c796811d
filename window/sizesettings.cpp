#include "window/sizesettings.h"

#include "surface/shapecatalogue.h"
#include "window/optionnames.h"
#include "window/sizewindowlayout.h"

namespace {

using SizeWindowLayout::kHeight;
using SizeWindowLayout::kNet;
using SizeWindowLayout::kRadius;

// Read from "size" with R alone: the shape decides whether that is right.
constexpr int kNoHeightGiven = 0;

SchoolSolid& givenSolid(PictureSettings& settings)
{
    if (!settings.options.schoolSolid)
        settings.options.schoolSolid = SchoolSolid{};
    return *settings.options.schoolSolid;
}

std::string number(int value)
{
    return std::to_string(value);
}

} // namespace

std::string sizeRange()
{
    return "R atau R,T, bilangan bulat: jari-jari R " + number(kRadius.min) + " sampai " + number(kRadius.max)
        + ", tinggi T " + number(kHeight.min) + " sampai " + number(kHeight.max) + " (misalnya 7,10)";
}

std::string netRange()
{
    return "bilangan bulat " + number(kNet.min) + " sampai " + number(kNet.max);
}

std::string piRange()
{
    return std::string(schoolPiText(SchoolPi::TwentyTwoSevenths)) + " atau "
        + std::string(schoolPiText(SchoolPi::ThreePointFourteen));
}

bool readSchoolSize(PictureSettings& settings, std::string_view value)
{
    const std::size_t comma = value.find(',');
    const auto radius = wholeNumber(value.substr(0, comma), kRadius.min, kRadius.max);
    const auto height = comma == std::string_view::npos
        ? std::optional(kNoHeightGiven)
        : wholeNumber(value.substr(comma + 1), kHeight.min, kHeight.max);
    if (!radius || !height)
        return false;
    SchoolSolid& solid = givenSolid(settings);
    solid.radius = *radius;
    solid.height = *height;
    return true;
}

bool readSchoolNet(PictureSettings& settings, std::string_view value)
{
    const auto percent = wholeNumber(value, kNet.min, kNet.max);
    if (percent)
        givenSolid(settings).netPercent = *percent;
    return percent.has_value();
}

// "3.14" is taken too, as the aspect takes either decimal mark.
bool readSchoolPi(PictureSettings& settings, std::string_view value)
{
    if (value == schoolPiText(SchoolPi::TwentyTwoSevenths))
        settings.pi = SchoolPi::TwentyTwoSevenths;
    else if (value == schoolPiText(SchoolPi::ThreePointFourteen) || value == "3.14")
        settings.pi = SchoolPi::ThreePointFourteen;
    else
        return false;
    return true;
}

std::optional<std::string> settleSchoolSolid(PictureSettings& settings, std::string_view prefix)
{
    if (!settings.options.schoolSolid)
        return std::nullopt;
    const std::string p(prefix);
    const int shape = settings.shapeIndex;
    const std::string name(shapeCaption(shape));
    SchoolSolid& solid = *settings.options.schoolSolid;
    if (settings.options.section)
        return "pilihan " + p + "size dan " + p
            + "section tidak dapat diberikan bersama: \"Ukuran Bangun\" dan "
              "\"Irisan Bidang\" saling menggantikan.";
    if (!hasSchoolSolid(shape))
        return "pilihan " + p
            + "size hanya berlaku untuk Bola (0), Setengah Bola (5), Kerucut (3) dan Tabung (6), "
              "bukan "
            + name + " (" + number(shape) + ").";
    if (hasSchoolHeight(shape) && solid.height == kNoHeightGiven)
        return "pilihan " + p + "size untuk " + name
            + " memerlukan jari-jari dan tinggi, R,T (misalnya 7,10).";
    if (!hasSchoolHeight(shape) && solid.height != kNoHeightGiven)
        return "pilihan " + p + "size untuk " + name + " hanya menerima jari-jari R (misalnya 7).";
    if (!hasSchoolHeight(shape) && solid.netPercent != 0)
        return "pilihan " + p + "net tidak berlaku untuk " + name + ": " + std::string(noNetSentence(shape))
            + ".";
    solid.shapeIndex = shape;
    if (!hasSchoolHeight(shape))
        solid.height = kHeight.start;
    return std::nullopt;
}

std::vector<std::pair<std::string_view, std::string>> schoolSettingsText(const PictureSettings& settings)
{
    const auto& solid = settings.options.schoolSolid;
    if (!solid)
        return {};
    std::vector<std::pair<std::string_view, std::string>> written;
    written.emplace_back(OptionName::kSize,
                         hasSchoolHeight(solid->shapeIndex)
                             ? number(solid->radius) + ',' + number(solid->height)
                             : number(solid->radius));
    if (solid->netPercent != kNet.start)
        written.emplace_back(OptionName::kNet, number(solid->netPercent));
    if (settings.pi != SchoolPi::TwentyTwoSevenths)
        written.emplace_back(OptionName::kPi, std::string(schoolPiText(settings.pi)));
    return written;
}
