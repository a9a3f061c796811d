#include "window/commandlineoptions.h"

#include "surface/planesection.h"
#include "window/optionnames.h"
#include "window/sizesettings.h"
#include "window/sizewindowlayout.h"
#include "window/viewlimits.h"
#include "window/viewsettings.h"

#include <algorithm>

namespace {

using SizeWindowLayout::kHeight;
using SizeWindowLayout::kNet;
using SizeWindowLayout::kRadius;

std::string number(int value)
{
    return std::to_string(value);
}

// The picture file, the view's settings and the section's line.
std::vector<CommandLineOption> viewOptions()
{
    return {
        {OptionName::kExport, "", "FILE", false, false, "nama file .bmp, .png atau .svg",
         "tulis gambar ke FILE lalu selesai; jenisnya menurut akhiran\n"
         "FILE: .bmp (seperti \"Save Gambar\"), .png, .svg (vektor)"},
        {OptionName::kShape, "", "N", true, false, shapeRange(),
         "bangun ruang nomor, 0 sampai " + number(kLargestShapeNumber) + " (bawaan 0; daftar di bawah)"},
        {OptionName::kView, "", "X,Y", true, false, viewRange(),
         "posisi penunjuk di atas bidang gambar, X dan Y 0 sampai " + number(kLargestPointerPosition)
             + "\n(bawaan 0,0, seperti bangun ruang yang baru dipilih)"},
        {OptionName::kPerspective, "", "D", true, false, distanceRange(),
         "perspektif pada jarak D, " + number(kMinDistance) + " sampai " + number(kMaxDistance)
             + " (bawaan: tanpa)"},
        {OptionName::kAspect, "", "A", true, false, aspectRange(),
         "faktor aspek, 0 sampai 1,6 dalam kelipatan 0,1; koma atau\n"
         "titik sebagai tanda desimal (bawaan 1)"},
        {OptionName::kBackLines, "", "GARIS", true, false, backLinesRange(),
         "garis belakang: dashed (putus-putus, seperti \"Garis\n"
         "Belakang Putus-putus\") atau solid (bawaan)"},
        {OptionName::kAxes, "", "", true, false, "",
         "gambar sumbu koordinat x, y dan z (\"Sumbu Koordinat\")"},
        {OptionName::kSection, "", "SUDUT,JARAK", true, false, sectionRange(),
         "irisan bidang x\u00b7sin SUDUT + z\u00b7cos SUDUT = JARAK\n(\"Irisan Bidang\"): SUDUT "
             + number(kMinSectionTilt) + " sampai " + number(kMaxSectionTilt) + ", JARAK "
             + number(kMinSectionDistance) + " sampai " + number(kMaxSectionDistance)},
        {OptionName::kSectionPlane, "", "BIDANG", true, false, sectionPlaneRange(),
         "bidang irisan itu: shown (digambar, bawaan) atau hidden\n"
         "(tidak digambar, \"Tampilkan Bidang\" tidak dicentang)"},
        {OptionName::kSectionInfo, "", "", false, false, "",
         "tulis nama dan persamaan irisan itu lalu selesai (bersama\n"
         "--section; dengan --export gambarnya juga ditulis)"},
    };
}

// "Ukuran Bangun"'s sizes and numbers, the picture's scale, help and
// version.
std::vector<CommandLineOption> furtherOptions()
{
    return {
        {OptionName::kSize, "", "R[,T]", true, false, sizeRange(),
         "\"Ukuran Bangun\": jari-jari R " + number(kRadius.min) + " sampai " + number(kRadius.max)
             + " dan tinggi T\n" + number(kHeight.min) + " sampai " + number(kHeight.max)
             + " dalam cm; R,T untuk Kerucut (3) dan Tabung\n(6), R saja untuk Bola (0) dan Setengah Bola "
               "(5)"},
        {OptionName::kNet, "", "P", true, false, netRange(),
         "\"Buka Jaring-jaring\" P persen, " + number(kNet.min) + " sampai " + number(kNet.max)
             + " (bawaan 0;\nbersama --size, untuk Kerucut dan Tabung)"},
        {OptionName::kPi, "", "PI", true, false, piRange(),
         "nilai \u03c0 dalam hitungan: 22/7 (bawaan) atau 3,14 (bersama\n--size)"},
        {OptionName::kSizeInfo, "", "", false, false, "",
         "tulis hitungan luas dan volume bangun itu, satu baris\nsetiap besaran, lalu selesai (bersama "
         "--size; dengan\n--export gambarnya juga ditulis)"},
        {OptionName::kDescribe, "", "", false, false, "",
         "tulis gambar itu dalam kata-kata (bangun, putaran,\nperspektif, irisan atau ukurannya) lalu "
         "selesai (dengan\n"
         "--export gambarnya juga ditulis)"},
        {OptionName::kScale, "", "K", false, false, scaleRange(),
         "pembesaran gambar .png, " + number(kMinScale) + " sampai " + number(kMaxScale)
             + " (bawaan 1; 4 untuk\ndicetak)"},
        {OptionName::kHelp, "h", "", false, true, "", "tampilkan bantuan ini lalu selesai"},
        {OptionName::kVersion, "", "", false, true, "", "tampilkan versi program lalu selesai"},
    };
}

std::vector<CommandLineOption> optionTable()
{
    std::vector<CommandLineOption> options = viewOptions();
    for (CommandLineOption& option : furtherOptions())
        options.push_back(std::move(option));
    return options;
}

} // namespace

const std::vector<CommandLineOption>& commandLineOptions()
{
    static const std::vector<CommandLineOption> options = optionTable();
    return options;
}

const CommandLineOption* commandLineOption(std::string_view name)
{
    const auto& options = commandLineOptions();
    const auto found = std::find_if(options.begin(), options.end(),
                                    [name](const CommandLineOption& option) { return option.name == name; });
    return found == options.end() ? nullptr : &*found;
}
