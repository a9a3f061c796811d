// The command line's words as the program reads them, without a toolkit:
// the forms each option is taken in, and the one sentence each kind of wrong
// arguments is refused with (the end-to-end bytes are the shell tests').

#include "window/commandline.h"

#include <gtest/gtest.h>

namespace {

using Task = CommandLineRequest::Task;

CommandLineRequest read(ArgumentList words)
{
    words.insert(words.begin(), "/usr/bin/ruvex3d");
    return readCommandLine(words);
}

const std::string kSeeHelp = "; pilihan yang ada tercantum di \"ruvex3d --help\".";

} // namespace

TEST(CommandLine, RefusesWrongArgumentsInTheirOwnSentence)
{
    const std::vector<std::pair<ArgumentList, std::string>> cases{
        {{"--export", "x.png", "--warna", "merah"}, "pilihan --warna tidak dikenal" + kSeeHelp},
        {{"-hq"}, "pilihan -hq tidak dikenal" + kSeeHelp},
        {{"-platform", "offscreen", "-bogus"}, "pilihan -bogus tidak dikenal" + kSeeHelp},
        // An unknown option is told first, wherever it stands.
        {{"--axes=ya", "--warna"}, "pilihan --warna tidak dikenal" + kSeeHelp},
        {{"--=x"}, "pilihan -- tidak dikenal" + kSeeHelp},
        {{"--export", "x.png", "--shape"}, "pilihan --shape memerlukan nilai: " + shapeRange() + "."},
        {{"--export", "x.png", "--axes=ya"}, "pilihan --axes tidak menerima nilai."},
        {{"--help="}, "pilihan --help tidak menerima nilai."},
        {{"-h=ya"}, "argumen tidak dapat dibaca" + kSeeHelp},
        {{"--shape", "3", "--axes", "--shape", "5"}, "pilihan --shape hanya boleh diberikan sekali."},
        // The word after an option that takes a value is its value.
        {{"--shape", "-q"}, "--shape harus " + shapeRange() + ", bukan \"-q\"."},
        {{"--shape=", "--axes"}, "--shape harus " + shapeRange() + ", bukan \"\"."},
        {{"--export", "x.png", "--", "--shape"},
         "program ini tidak membuka file (\"--shape\"); gambar ditulis dengan --export FILE."},
        {{"-"}, "program ini tidak membuka file (\"-\"); gambar ditulis dengan --export FILE."},
        {{"--export", "\xff.png"},
         "argumen \"\\xFF.png\" bukan teks UTF-8 yang sah; nama file dan nilai pilihan harus ditulis dalam "
         "UTF-8."},
        {{"--scale", "2"}, "pilihan --scale hanya berlaku bersama --export FILE."},
    };
    for (const auto& [words, sentence] : cases) {
        const CommandLineRequest request = read(words);
        EXPECT_EQ(request.task, Task::Refused) << words.front();
        EXPECT_EQ(request.refusal, sentence);
    }
}

TEST(CommandLine, TakesEachFormOfAnOption)
{
    const CommandLineRequest picture = read({"--export=x.svg", "--shape=6", "--axes", "--view", "1,2"});
    ASSERT_EQ(picture.task, Task::Picture) << picture.refusal;
    EXPECT_EQ(picture.picture->path, "x.svg");
    EXPECT_EQ(picture.picture->format, PictureFormat::Svg);
    EXPECT_EQ(viewOptionsText(*picture.view), "--shape 6 --view 1,2 --axes");
    EXPECT_EQ(picture.program, "ruvex3d");

    // The toolkit's options are left to it, a value included.
    const CommandLineRequest window = read({"-style", "fusion", "--shape", "3", "-platform", "offscreen"});
    ASSERT_EQ(window.task, Task::Window) << window.refusal;
    EXPECT_EQ(window.view->shapeIndex, 3);
    EXPECT_FALSE(read({"-style=fusion", "-reverse"}).view);

    // Help, by its short name too, and harmless twice.
    for (const ArgumentList& words : {ArgumentList{"-h"}, ArgumentList{"--h"}, ArgumentList{"--help", "-h"}})
        EXPECT_EQ(read(words).task, Task::Help) << words.front();
}

// --describe: the picture in words, for the views a student meets; the turn
// is measured from "Tampilan Awal" the way the arrow keys turn it.
TEST(CommandLine, DescribesThePictureInWords)
{
    const std::vector<std::pair<ArgumentList, std::string>> cases{
        {{"--shape", "3", "--view", "0,0"}, "Kerucut, tampak depan."},
        // 33 of the 396 pixels of a turn to the right, 22 upward.
        {{"--shape", "3", "--view", "33,374", "--perspective", "200", "--section", "30,40"},
         "Kerucut, diputar 30\u00b0 ke kanan dan 20\u00b0 ke atas, perspektif jarak 200. Irisan: elips, "},
        {{"--shape", "0", "--view", "300,198", "--aspect", "1.5", "--back-lines", "dashed", "--axes"},
         "Bola, diputar 87\u00b0 ke kiri dan 180\u00b0 ke atas, aspek 1,5. Dengan garis belakang putus-putus "
         "dan sumbu koordinat."},
        {{"--shape", "6", "--view", "0,11", "--axes"},
         "Tabung, diputar 10\u00b0 ke bawah. Dengan sumbu koordinat."},
        {{"--shape", "3", "--view", "0,0", "--size", "3,4", "--net", "50"},
         "Kerucut, r = 3 cm, t = 4 cm, jaring-jaring terbuka 50 %, tampak depan. Volume = 37,71 cm\u00b3, "
         "Luas "
         "permukaan = 75,43 cm\u00b2."},
        {{"--shape", "13", "--view", "0,0", "--section", "0,0"}, "Torus, tampak depan. "},
    };
    const auto nothingWritten
        = [](const std::string&, std::string_view) { return std::optional<std::string>(); };
    for (const auto& [words, sentence] : cases) {
        ArgumentList described = words;
        described.push_back("--describe");
        const CommandLineRequest request = read(described);
        ASSERT_EQ(request.task, Task::Describe) << request.refusal;
        const CommandLineResult result = runCommandLine(request, "1.0", nothingWritten);
        EXPECT_EQ(result.status, kExitWritten);
        EXPECT_TRUE(result.output.starts_with(sentence)) << result.output;
        EXPECT_TRUE(result.output.ends_with(".\n")) << result.output;
    }
}
