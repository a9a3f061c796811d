#include "window/commandlineoptions.h"

#include "surface/planesection.h"
#include "surface/shapecatalogue.h"
#include "window/viewlimits.h"
#include "window/viewsettings.h"

#include <algorithm>

namespace {

// The column the help's descriptions start in.
constexpr std::size_t kDescriptionColumn = 21;

std::string number(int value)
{
    return std::to_string(value);
}

std::vector<CommandLineOption> optionTable()
{
    return {
        {"export", "", "FILE", false, false, "nama file .bmp, .png atau .svg",
         "tulis gambar ke FILE lalu selesai; jenisnya menurut akhiran\n"
         "FILE: .bmp (seperti \"Save Gambar\"), .png, .svg (vektor)"},
        {"shape", "", "N", true, false, shapeRange(),
         "bangun ruang nomor, 0 sampai " + number(kLargestShapeNumber) + " (bawaan 0; daftar di bawah)"},
        {"view", "", "X,Y", true, false, viewRange(),
         "posisi penunjuk di atas bidang gambar, X dan Y 0 sampai " + number(kLargestPointerPosition)
             + "\n(bawaan 0,0, seperti bangun ruang yang baru dipilih)"},
        {"perspective", "", "D", true, false, distanceRange(),
         "perspektif pada jarak D, " + number(kMinDistance) + " sampai " + number(kMaxDistance)
             + " (bawaan: tanpa)"},
        {"aspect", "", "A", true, false, aspectRange(),
         "faktor aspek, 0 sampai 1,6 dalam kelipatan 0,1; koma atau\n"
         "titik sebagai tanda desimal (bawaan 1)"},
        {"back-lines", "", "GARIS", true, false, backLinesRange(),
         "garis belakang: dashed (putus-putus, seperti \"Garis\n"
         "Belakang Putus-putus\") atau solid (bawaan)"},
        {"axes", "", "", true, false, "", "gambar sumbu koordinat x, y dan z (\"Sumbu Koordinat\")"},
        {"section", "", "SUDUT,JARAK", true, false, sectionRange(),
         "irisan bidang x\u00b7sin SUDUT + z\u00b7cos SUDUT = JARAK\n(\"Irisan Bidang\"): SUDUT "
             + number(kMinSectionTilt) + " sampai " + number(kMaxSectionTilt) + ", JARAK "
             + number(kMinSectionDistance) + " sampai " + number(kMaxSectionDistance)},
        {"section-plane", "", "BIDANG", true, false, sectionPlaneRange(),
         "bidang irisan itu: shown (digambar, bawaan) atau hidden\n"
         "(tidak digambar, \"Tampilkan Bidang\" tidak dicentang)"},
        {"section-info", "", "", false, false, "",
         "tulis nama dan persamaan irisan itu lalu selesai (bersama\n"
         "--section; dengan --export gambarnya juga ditulis)"},
        {"scale", "", "K", false, false, scaleRange(),
         "pembesaran gambar .png, " + number(kMinScale) + " sampai " + number(kMaxScale)
             + " (bawaan 1; 4 untuk\ndicetak)"},
        {"help", "h", "", false, true, "", "tampilkan bantuan ini lalu selesai"},
        {"version", "", "", false, true, "", "tampilkan versi program lalu selesai"},
    };
}

// "--shape N", "-h, --help"; the options that only print are listed as a
// pair, their long names lined up.
std::string optionSyntax(const CommandLineOption& option)
{
    std::string syntax;
    if (!option.shortName.empty())
        syntax = "-" + std::string(option.shortName) + ", ";
    else if (option.printsOnly)
        syntax = "    ";
    syntax += "--" + std::string(option.name);
    if (!option.valueName.empty())
        syntax += " " + std::string(option.valueName);
    return syntax;
}

// The option's lines: its syntax, and its description from the description
// column on, below the syntax when that leaves no room.
std::string optionHelp(const CommandLineOption& option)
{
    const std::string indent(kDescriptionColumn, ' ');
    std::string text = "  " + optionSyntax(option);
    text += text.size() < kDescriptionColumn ? std::string(kDescriptionColumn - text.size(), ' ')
                                             : "\n" + indent;
    for (const char c : option.help)
        text += c == '\n' ? "\n" + indent : std::string(1, c);
    return text + "\n";
}

std::string shapeList()
{
    std::string text;
    for (int n = 0; n < kShapeCount; ++n)
        text += (n < 10 ? "   " : "  ") + number(n) + "  " + std::string(shapeCaption(n)) + "\n";
    return text;
}

// The program's use and what it does, the first paragraphs of the help.
std::string usageText(const std::string& program)
{
    return "Pemakaian: " + program
        + " [--export FILE] [PILIHAN...]\n"
          "Menampilkan bangun ruang geometri analitik sebagai kerangka kawat yang dapat\n"
          "diputar. Tanpa pilihan, jendela program dibuka (pilihan baku Qt seperti\n"
          "-platform, -style, -display dan -geometry berlaku untuk jendela itu). Dengan\n"
          "--export, gambar ditulis ke FILE tanpa jendela dan tanpa layar: gambar yang sama\n"
          "dengan yang disimpan jendela untuk tampilan yang sama. Tanpa --export, pilihan\n"
          "tampilan di bawah membuka jendela pada tampilan itu (seperti yang disalin oleh\n"
          "Spasiologi -> Salin Kode Tampilan).\n\n";
}

std::string examples(const std::string& program)
{
    return "\nContoh:\n"
           "  "
        + program
        + " --export kerucut.png --shape 3 --view 120,60 --scale 4\n"
          "  "
        + program
        + " --export tabung.svg --shape 6 --perspective 200\n"
          "  "
        + program
        + " --export lembar-kerja.png --shape 3 --view 120,60 --back-lines dashed --axes --scale 4\n"
          "  "
        + program
        + " --shape 3 --view 120,60 --axes    (membuka jendela pada tampilan itu)\n\n"
          "Status keluar: 0 gambar tertulis (atau jendela ditutup), 1 file tidak dapat ditulis, 2 "
          "pilihan salah.\n";
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

std::string commandLineHelp(std::string_view program)
{
    const std::string name(program);
    std::string text = usageText(name) + "Pilihan:\n";
    for (const CommandLineOption& option : commandLineOptions())
        text += optionHelp(option);
    return text + "\nBangun ruang (N):\n" + shapeList() + examples(name);
}
