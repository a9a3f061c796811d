// The caption that goes with a lesson's picture where its window cannot be
// seen: what it says for each window, and the band "Layar Penuh" leaves for
// it under the picture.

#include "tests/windowsessionfixture.h"
#include "window/lessoncaption.h"
#include "window/snapshotjson.h"
#include "window/viewsettings.h"
#include "window/windowsession.h"

#include <gtest/gtest.h>

namespace {

// The caption under "Layar Penuh" and an SVG says what the open window
// shows of the solid drawn, and nothing where it draws nothing of its own.
TEST(WindowSession, CaptionSaysWhatTheOpenWindowShows)
{
    const auto section = [](int shape, int tilt, int distance, int aspectTenths = 10) {
        PictureSettings settings;
        settings.shapeIndex = shape;
        settings.aspectTenths = aspectTenths;
        settings.options.section = SectionView{{tilt, distance}};
        return settings;
    };
    const auto sizes = [](SchoolSolid solid, SchoolPi pi) {
        PictureSettings settings;
        settings.shapeIndex = solid.shapeIndex;
        settings.pi = pi;
        settings.options.schoolSolid = solid;
        return settings;
    };
    PictureSettings plain;
    plain.shapeIndex = 3;
    const std::pair<PictureSettings, std::string> cases[] = {
        {section(0, 0, 50), "Bola \u2014 Irisan: lingkaran: s\u00b2 + t\u00b2 = 86,6\u00b2"},
        {section(3, 90, 120), "Kerucut \u2014 Irisan: tidak memotong"},
        {section(0, 0, 50, 0), ""}, // flat: nothing cut
        {section(7, 0, 50), ""},    // a further figure has no sections
        {sizes({kSchoolTabung, 7, 10, 40}, SchoolPi::TwentyTwoSevenths),
         "Tabung: Volume = 1540,00 cm\u00b3, Luas permukaan = 748,00 cm\u00b2"},
        {sizes({kSchoolBola, 7, 10, 0}, SchoolPi::ThreePointFourteen),
         "Bola: Volume = 1436,03 cm\u00b3, Luas permukaan = 615,44 cm\u00b2"},
        {plain, ""},
    };
    for (const auto& [settings, caption] : cases) {
        const Session opened(settings);
        EXPECT_EQ(fullScreenCaption(opened.model()), caption) << viewOptionsText(settings);
    }
    Session s;
    s.apply(MenuIntent{"mnuIrisan"});
    EXPECT_EQ(s.session.snapshot().caption, fullScreenCaption(s.session.model()));
    EXPECT_NE(snapshotJson(s.session.snapshot()).find("\"caption\":\"Bola \u2014 Irisan: lingkaran"),
              std::string::npos);
}

// The band comes and goes with the caption while the full screen is open:
// the picture above it is the view on a screen that much lower.
TEST(WindowSession, FullScreenLeavesTheBandFreeWhileACaptionShows)
{
    Session s;
    s.session.openScaledView(ScaledView::FullScreen, 1000, 600);
    const PixelBuffer plain = s.session.scaledPicture(ScaledView::FullScreen).image();
    EXPECT_EQ(s.session.fullScreenBand().height, 0);

    EXPECT_EQ(s.apply(MenuIntent{"mnuIrisan"}) & (kPictureChanged | kCaptionChanged),
              kPictureChanged | kCaptionChanged);
    const CaptionBand band = s.session.fullScreenBand();
    EXPECT_GE(band.textHeight, 0.03 * 600);
    EXPECT_GE(band.height, 2 * band.textHeight);
    const PresentationPicture& shown = s.session.scaledPicture(ScaledView::FullScreen);
    EXPECT_EQ(shown.image().height(), 600 - band.height);
    EXPECT_DOUBLE_EQ(shown.mapping().scale, (600.0 - band.height) / 396);
    EXPECT_DOUBLE_EQ(shown.mapping().originY, 0.0) << "the square fills the height left";

    // The band's text follows the section; a turn leaves it as it was.
    EXPECT_NE(s.apply(ControlIntent{"hsbJarak_Change", 20}) & kCaptionChanged, 0u);
    EXPECT_EQ(s.pointer(PointerSurface::FullScreen, PointerAction::Move, 0, 10.0f, 10.0f) & kCaptionChanged,
              0u);

    EXPECT_NE(s.apply(WindowClosedIntent{WindowName::SectionWindow}) & kCaptionChanged, 0u);
    EXPECT_EQ(s.session.fullScreenBand().height, 0);
    s.pointer(PointerSurface::FullScreen, PointerAction::Move, 0, 0.0f, 0.0f);
    EXPECT_EQ(s.session.scaledPicture(ScaledView::FullScreen).image(), plain) << "as before, pixel for pixel";
}

// A caption that fits one line across a laptop wraps on an upright phone:
// the band holds its 1.2 lines a line of text, or the text is cut off.
TEST(CaptionBand, HoldsTheLinesTheCaptionWrapsOn)
{
    const std::string caption = "Kerucut: Volume = 513,33 cm\u00b3, Luas permukaan = 422,62 cm\u00b2";
    const CaptionBand laptop = captionBand(1366, 768, caption);
    EXPECT_EQ(laptop.height, 78) << "one line, two and a half lines high, as before";
    const CaptionBand phone = captionBand(1080, 2220, caption);
    const int lettersPerLine = static_cast<int>(0.9 * 1080 / (0.6 * phone.textHeight));
    const int lines = (57 + lettersPerLine - 1) / lettersPerLine;
    EXPECT_GE(lines, 3);
    EXPECT_GE(phone.height, static_cast<int>((1.2 * lines + 1) * phone.textHeight));
}

} // namespace
