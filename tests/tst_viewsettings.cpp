// A view's settings as text: what is taken and what is refused (and how the
// refusal reads), the text written back for "Salin Kode Tampilan" and the
// page's address, and the claim that text rests on: a stored position outside
// the drawing area shows the same picture as the position it is written as.

#include "platform/picturebox.h"
#include "tests/windowsessionfixture.h"
#include "view/projection.h"
#include "window/commandlineoptions.h"
#include "window/form1model.h"
#include "window/viewsettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

std::optional<std::string> read(PictureSettings& settings, std::string_view name, std::string_view value)
{
    return readViewSetting(settings, name, value, std::string("--") + std::string(name));
}

} // namespace

TEST(ViewSettings, TakesTheRangesEdgesAndRefusesBeyondInOneSentence)
{
    PictureSettings settings;
    EXPECT_FALSE(read(settings, "shape", "14"));
    EXPECT_FALSE(read(settings, "view", "395,0"));
    EXPECT_FALSE(read(settings, "perspective", "100"));
    EXPECT_FALSE(read(settings, "aspect", "0.50"));
    EXPECT_FALSE(read(settings, "back-lines", "dashed"));
    EXPECT_FALSE(read(settings, "axes", ""));
    PictureSettings expected{14, 395.0f, 0.0f, true, 100, 5, {true, true}};
    EXPECT_EQ(settings, expected);

    EXPECT_EQ(read(settings, "shape", "15"), "--shape harus bilangan bulat 0 sampai 14, bukan \"15\".");
    EXPECT_EQ(read(settings, "view", "396,0"),
              "--view harus dua bilangan bulat X,Y, masing-masing 0 sampai 395, bukan \"396,0\".");
    EXPECT_EQ(read(settings, "back-lines", "putus"),
              "--back-lines harus dashed atau solid, bukan \"putus\".");
    EXPECT_EQ(read(settings, "axes", "ya"), "--axes tidak menerima nilai.");
    for (const char* aspect : {"1.7", "1,25", "1.", ",5", "-0.5", "1.2.0", "0001"})
        EXPECT_TRUE(read(settings, "aspect", aspect)) << aspect;
    for (const char* view : {"1.5,2", "10", "1,2,3", ",1", "1234567,0"})
        EXPECT_TRUE(read(settings, "view", view)) << view;
    EXPECT_EQ(settings, expected) << "a refused value changes nothing";
}

TEST(ViewSettings, CommandAndAddressWriteBackWhatIsRead)
{
    const PictureSettings lesson{3, 120.0f, 60.0f, true, 200, 12, {true, true}};
    EXPECT_EQ(viewOptionsText(lesson),
              "--shape 3 --view 120,60 --perspective 200 --aspect 1,2 --back-lines dashed --axes");
    EXPECT_EQ(viewFragment(lesson), "shape=3&view=120,60&perspective=200&aspect=1,2&back-lines=dashed&axes");
    EXPECT_EQ(viewOptionsText(PictureSettings{}), "--shape 0 --view 0,0");

    for (const PictureSettings& settings :
         {lesson, PictureSettings{}, PictureSettings{14, 395.0f, 7.0f, false, 150, 10, {}}}) {
        const auto read = viewSettingsOfFragment("#" + viewFragment(settings));
        ASSERT_TRUE(std::holds_alternative<PictureSettings>(read)) << std::get<std::string>(read);
        EXPECT_EQ(std::get<PictureSettings>(read), settings);
    }
    const auto refused = viewSettingsOfFragment("shape=3&perspective=99");
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    EXPECT_EQ(std::get<std::string>(refused),
              "perspective harus bilangan bulat 100 sampai 350, bukan \"99\".");
    EXPECT_EQ(std::get<std::string>(viewSettingsOfFragment("warna=merah")), "warna tidak dikenal.");

    // A link passed on through mail or a learning platform may come back escaped.
    const auto escaped = viewSettingsOfFragment(
        "%73hape=3&view=120%2c60&perspective=200&aspect=1%2C2&back-lines=dashed&axes");
    ASSERT_TRUE(std::holds_alternative<PictureSettings>(escaped)) << std::get<std::string>(escaped);
    EXPECT_EQ(std::get<PictureSettings>(escaped), lesson);
    // A broken escape, or one for a control character, is refused as it stands.
    EXPECT_EQ(std::get<std::string>(viewSettingsOfFragment("shape=1%0A2")),
              "shape harus bilangan bulat 0 sampai 14, bukan \"1%0A2\".");
    EXPECT_EQ(std::get<std::string>(viewSettingsOfFragment("shape=3%2")),
              "shape harus bilangan bulat 0 sampai 14, bukan \"3%2\".");
}

// The animation sweeps the stored position to +-6000 in steps of 5, 10 or 15
// from wherever the pointer left it; the keys move it by 15 or 150. Brought
// back by whole turns the view is the same rotation up to the float rounding
// of the angle: every screen point within a hundredth of a pixel (measured:
// about one view in forty has a line end one pixel off, so the pixels are not
// all the same), across the sweep, for a closed, an open and a flat shape.
// Each shape is made once as the command line makes it; only its projection
// changes with the position.
// The command line's table and the settings' readers list the view's
// settings apart: the same ones, or an option would reach the window but not
// the address (or the reverse).
TEST(ViewSettings, TheCommandLinesViewOptionsAreTheSettingsTheAddressReads)
{
    for (const CommandLineOption& option : commandLineOptions())
        EXPECT_EQ(isViewSetting(option.name), option.viewSetting) << option.name;
}

TEST(ViewSettings, OutOfRangePositionsGiveTheSameRotationAsTheirEquivalent)
{
    const auto largestOffset = [](const Form1Model& view, float storedX, float storedY) {
        const ProjectionSettings projection = projectionSettings(view.area(), view.viewState());
        PointGrid stored = view.pointGrid();
        PointGrid written = view.pointGrid();
        projectGridPoints(stored, projection, storedX, storedY);
        projectGridPoints(written, projection, static_cast<float>(equivalentPointerPosition(storedX)),
                          static_cast<float>(equivalentPointerPosition(storedY)));
        float largest = 0.0f;
        for (int i = 1; i <= kGridSize; ++i)
            for (int j = 1; j <= kGridSize; ++j)
                largest = std::max({largest, std::abs(stored.ScreenX(j, i) - written.ScreenX(j, i)),
                                    std::abs(stored.ScreenY(j, i) - written.ScreenY(j, i))});
        return largest;
    };
    float largest = 0.0f;
    for (const int shape : {0, 5, 13}) {
        const Session inPerspectiveOpened({shape, 0.0f, 0.0f, true, 150, 10, {}});
        const Form1Model& inPerspective = inPerspectiveOpened.model();
        const Session flatOpened({shape, 0.0f, 0.0f, false, 150, 10, {}});
        const Form1Model& flat = flatOpened.model();
        for (int position = -6015; position <= 6015; position += 45) {
            const auto at = static_cast<float>(position);
            largest = std::max(
                {largest, largestOffset(inPerspective, at, 60.0f), largestOffset(flat, 120.0f, at)});
        }
    }
    EXPECT_LT(largest, 0.01f);
    EXPECT_EQ(equivalentPointerPosition(-1.0f), 395);
    EXPECT_EQ(equivalentPointerPosition(396.0f), 0);
    EXPECT_EQ(equivalentPointerPosition(395.6f), 0);
    EXPECT_EQ(equivalentPointerPosition(6000.0f), 6000 - 15 * 396);
}

// The address refuses what the command line refuses, in the same words: a
// setting given twice, and names that would read badly in the sentence (none
// at all, or one holding controls).
TEST(ViewSettingsAddress, RepeatedEmptyAndControlNamesAreRefusedReadably)
{
    const struct {
        const char* fragment;
        const char* refusal;
    } rows[] = {
        {"#shape=3&shape=5", "pilihan shape hanya boleh diberikan sekali."},
        {"axes&view=1,1&axes", "pilihan axes hanya boleh diberikan sekali."},
        {"shape=3&%73hape=5", "pilihan shape hanya boleh diberikan sekali."},
        {"shape=99&shape=3", "pilihan shape hanya boleh diberikan sekali."},
        {"warna=1&warna=2", "warna tidak dikenal."},
        {"#=3", "\u00ab\u00bb tidak dikenal."},
        {"shape=3&=", "\u00ab\u00bb tidak dikenal."},
        {"shape=3\u202e", "shape harus bilangan bulat 0 sampai 14, bukan \"3\\u202E\"."},
        {"a\u2066xes", "a\\u2066xes tidak dikenal."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fragment);
        const auto read = viewSettingsOfFragment(row.fragment);
        const auto* refusal = std::get_if<std::string>(&read);
        EXPECT_EQ(refusal ? *refusal : "(taken)", row.refusal);
    }
}

// "Irisan Bidang" as a lesson notes it: the plane's tilt and signed distance,
// their ranges' ends taken, anything else refused in the same sentence.
TEST(ViewSettings, SectionIsReadWrittenBackAndRefusedBeyondItsRanges)
{
    PictureSettings settings;
    EXPECT_FALSE(read(settings, "section", "90,-150"));
    EXPECT_EQ(settings.options.section, (SectionView{{90, -150}, true}));
    EXPECT_FALSE(read(settings, "section", "0,150"));
    EXPECT_EQ(viewOptionsText(settings), "--shape 0 --view 0,0 --section 0,150");
    const auto reread = viewSettingsOfFragment("#" + viewFragment(settings));
    ASSERT_TRUE(std::holds_alternative<PictureSettings>(reread));
    EXPECT_EQ(std::get<PictureSettings>(reread), settings);

    for (const char* refused :
         {"91,0", "0,151", "0,-151", "30", "-1,0", "30,1.5", "30,--4", "30,40,50", ",4"})
        EXPECT_TRUE(read(settings, "section", refused)) << refused;
    EXPECT_EQ(settings.options.section, (SectionView{{0, 150}, true})) << "a refused value changes nothing";
    EXPECT_EQ(read(settings, "section", "45"),
              "--section harus dua bilangan bulat SUDUT,JARAK, sudut 0 sampai "
              "90 dan jarak -150 sampai 150 (misalnya 30,-40), bukan \"45\".");
}

// "Tampilkan Bidang" unticked is part of the view: written back after the
// section, read in either order, and refused without a section to belong to.
TEST(ViewSettings, SectionPlaneLeftOutIsWrittenAndReadBack)
{
    PictureSettings hidden{3, 170.0f, 160.0f, false, 150, 10, {}};
    hidden.options.section = SectionView{{45, 30}, false};
    EXPECT_EQ(viewOptionsText(hidden), "--shape 3 --view 170,160 --section 45,30 --section-plane hidden");
    for (const char* fragment : {"shape=3&view=170,160&section=45,30&section-plane=hidden",
                                 "shape=3&view=170,160&section-plane=hidden&section=45,30"}) {
        const auto read = viewSettingsOfFragment(fragment);
        ASSERT_TRUE(std::holds_alternative<PictureSettings>(read)) << std::get<std::string>(read);
        EXPECT_EQ(std::get<PictureSettings>(read), hidden) << fragment;
    }
    EXPECT_EQ(std::get<std::string>(viewSettingsOfFragment("section-plane=hidden")),
              "pilihan section-plane hanya berlaku bersama section SUDUT,JARAK.");
    EXPECT_FALSE(read(hidden, "section-plane", "shown"));
    EXPECT_EQ(hidden.options.section, (SectionView{{45, 30}, true}));
    EXPECT_EQ(read(hidden, "section-plane", "tidak"),
              "--section-plane harus shown atau hidden, bukan \"tidak\".");
}

namespace {

// The address read, or its refusal as the text.
std::string addressRead(std::string_view fragment, PictureSettings* read = nullptr)
{
    const auto settings = viewSettingsOfFragment(fragment);
    if (const auto* refusal = std::get_if<std::string>(&settings))
        return *refusal;
    if (read)
        *read = std::get<PictureSettings>(settings);
    return {};
}

} // namespace

// "Ukuran Bangun" as a lesson notes it: R,T for the kerucut and tabung, R
// for the bola and setengah bola, in any order with the shape; written back
// and read again.
TEST(ViewSettings, SchoolSizesAreReadWhateverTheOrderAndWrittenBack)
{
    PictureSettings kerucut;
    EXPECT_EQ(addressRead("size=3,4&net=50&pi=3.14&shape=3&view=170,160", &kerucut), "");
    EXPECT_EQ(kerucut.options.schoolSolid, (SchoolSolid{kSchoolKerucut, 3, 4, 50}));
    EXPECT_EQ(kerucut.pi, SchoolPi::ThreePointFourteen);
    EXPECT_EQ(viewOptionsText(kerucut), "--shape 3 --view 170,160 --size 3,4 --net 50 --pi 3,14");
    PictureSettings bola;
    EXPECT_EQ(addressRead("shape=0&size=50", &bola), "");
    EXPECT_EQ(viewFragment(bola), "shape=0&view=0,0&size=50");
    for (const PictureSettings& settings : {kerucut, bola}) {
        PictureSettings reread;
        EXPECT_EQ(addressRead(viewFragment(settings), &reread), "");
        EXPECT_EQ(reread, settings);
    }
}

// Refused for another shape, in the wrong form for the shape, beyond the
// ranges, alone, twice, or beside a section.
TEST(ViewSettings, SchoolSizesAreRefusedInOneSentence)
{
    const std::vector<std::pair<std::string_view, std::string_view>> refusals = {
        {"shape=1&size=7,10",
         "pilihan size hanya berlaku untuk Bola (0), Setengah Bola (5), Kerucut (3) dan "
         "Tabung (6), bukan Ellipsoida (2 buah) (1)."},
        {"shape=6&size=7", "pilihan size untuk Tabung memerlukan jari-jari dan tinggi, R,T (misalnya 7,10)."},
        {"shape=5&size=7,10", "pilihan size untuk Setengah Bola hanya menerima jari-jari R (misalnya 7)."},
        {"shape=0&size=7&net=10",
         "pilihan net tidak berlaku untuk Bola: Bola tidak mempunyai jaring-jaring."},
        {"shape=3&size=51,10",
         "size harus R atau R,T, bilangan bulat: jari-jari R 1 sampai 50, tinggi T 1 "
         "sampai 100 (misalnya 7,10), bukan \"51,10\"."},
        {"shape=3&size=7,101", ""},
        {"shape=3&size=0,10", ""},
        {"shape=3&size=7,1.5", ""},
        {"shape=3&size=7,", ""},
        {"shape=3&size=7,10&net=101", "net harus bilangan bulat 0 sampai 100, bukan \"101\"."},
        {"shape=3&size=7,10&pi=3", "pi harus 22/7 atau 3,14, bukan \"3\"."},
        {"shape=3&net=50", "pilihan net hanya berlaku bersama size R,T."},
        {"shape=3&pi=22/7", "pilihan pi hanya berlaku bersama size R[,T]."},
        {"shape=3&size=7,10&size=7,10", "pilihan size hanya boleh diberikan sekali."},
        {"shape=3&size=7,10&section=0,50",
         "pilihan size dan section tidak dapat diberikan bersama: \"Ukuran "
         "Bangun\" dan \"Irisan Bidang\" saling menggantikan."},
    };
    for (const auto& [fragment, sentence] : refusals) {
        const std::string refusal = addressRead(fragment);
        EXPECT_FALSE(refusal.empty()) << fragment;
        if (!sentence.empty()) {
            EXPECT_EQ(refusal, sentence) << fragment;
        }
    }
}
