#include "window/commandlinehelp.h"

#include "surface/shapecatalogue.h"
#include "window/commandlineoptions.h"

namespace {

// The column the help's descriptions start in.
constexpr std::size_t kDescriptionColumn = 21;

std::string number(int value)
{
    return std::to_string(value);
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
        + " --shape 3 --view 120,60 --axes    (membuka jendela pada tampilan itu)\n"
          "  "
        + program
        + " --shape 3 --size 3,4 --size-info    (luas dan volume kerucut)\n\n"
          "Status keluar: 0 gambar tertulis (atau jendela ditutup), 1 file tidak dapat ditulis, 2 "
          "pilihan salah.\n";
}

} // namespace

std::string commandLineHelp(std::string_view program)
{
    const std::string name(program);
    std::string text = usageText(name) + "Pilihan:\n";
    for (const CommandLineOption& option : commandLineOptions())
        text += optionHelp(option);
    return text + "\nBangun ruang (N):\n" + shapeList() + examples(name);
}
