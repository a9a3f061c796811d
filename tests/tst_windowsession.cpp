// The window's rules as every front end meets them: the same intents give the
// same view, snapshot and requests, whichever surface or window they come
// from.

#include "tests/windowsessionfixture.h"
#include "window/keynames.h"
#include "window/picturewords.h"
#include "window/sizewindowlayout.h"
#include "window/snapshotjson.h"
#include "window/windowdescription.h"
#include "window/windowsession.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <tuple>

namespace {

KeyIntent ctrl(char character, KeyTarget target, bool inText = false)
{
    return {KeyName::Character, character, false, true, false, target, inText};
}

KeyIntent plainKey(KeyName key, KeyTarget target)
{
    return {key, 0, false, false, false, target};
}

using Kinds = std::vector<RequestKind>;

// With "Putar dengan Menyeret" on, a plain move over either surface leaves the
// view alone and a left drag turns it by its travel; only the drawing area's
// right-button release saves, after stopping the animation.
TEST(WindowSession, BothSurfacesFollowTheDragRuleAndOnlyTheDrawingAreaSaves)
{
    for (const PointerSurface surface : {PointerSurface::DrawingArea, PointerSurface::FullScreen}) {
        Session s;
        s.apply(MenuIntent{"mnuDragToTurn"});
        s.apply(ControlIntent{"optAnim_Click", kAnimVertical});
        const float startX = s.view().MouseX;
        EXPECT_EQ(s.pointer(surface, PointerAction::Move, 0, 150, 90) & kPictureChanged, 0u);
        EXPECT_EQ(s.view().MouseX, startX);
        s.pointer(surface, PointerAction::Press, kLeftButton, 100, 100);
        EXPECT_NE(s.pointer(surface, PointerAction::Move, kLeftButton, 130, 100) & kPictureChanged, 0u);
        EXPECT_EQ(s.view().MouseX, startX + 30);
        s.pointer(surface, PointerAction::Release, kLeftButton, 130, 100);
        s.pointer(surface, PointerAction::Release, kRightButton, 130, 100);
        const bool drawingArea = surface == PointerSurface::DrawingArea;
        EXPECT_EQ(s.requests(), drawingArea ? Kinds{RequestKind::SaveDialog} : Kinds{});
        EXPECT_EQ(s.session.snapshot().timerRunning, !drawingArea);
        EXPECT_EQ(s.session.snapshot().runningTimer, drawingArea ? 0 : 1);
    }
}

// While the save or export dialog is open no command runs, a second save
// among them; once it ends the window answers again.
TEST(WindowSession, AnOpenDialogHoldsEveryCommandBack)
{
    Session s;
    s.apply(KeyIntent{KeyName::Character, 'S', false, true, false, KeyTarget::Picture});
    EXPECT_EQ(s.requests(), Kinds{RequestKind::SaveDialog});
    for (const char* item : {"mnuSave", "mnuExport", "mnuAxes", "mnuExit"})
        EXPECT_EQ(s.apply(MenuIntent{item}), 0u) << item;
    EXPECT_EQ(s.requests(), Kinds{});
    EXPECT_FALSE(s.session.snapshot().axes);
    s.apply(WindowClosedIntent{WindowName::Dialog});
    s.apply(MenuIntent{"mnuExport"});
    EXPECT_EQ(s.requests(), Kinds{RequestKind::ExportDialog});
}

// Ctrl+C copies the picture, except in a text, which keeps it for its own
// copy; F10 opens the menu bar, Alt and a letter the menu it names; Esc and F11 close "Layar Penuh", Esc the
// section window; other keys are not taken, so the toolkit keeps them.
TEST(WindowSession, KeysGoWhereTheirTargetSays)
{
    Session s;
    EXPECT_NE(s.apply(ctrl('C', KeyTarget::Picture)) & kIntentTaken, 0u);
    EXPECT_EQ(s.requests(), Kinds{RequestKind::CopyPicture});
    s.apply(plainKey(KeyName::F10, KeyTarget::Window));
    s.apply(plainKey(KeyName::F11, KeyTarget::Window));
    EXPECT_TRUE(s.session.snapshot().fullScreen);
    s.apply(plainKey(KeyName::Escape, KeyTarget::FullScreen));
    EXPECT_FALSE(s.session.snapshot().fullScreen);
    s.apply(MenuIntent{"mnuIrisan"});
    s.apply(plainKey(KeyName::Escape, KeyTarget::SectionWindow));
    EXPECT_EQ(s.requests(),
              (Kinds{RequestKind::OpenMenuBar, RequestKind::OpenFullScreen, RequestKind::CloseFullScreen,
                     RequestKind::ShowSectionWindow, RequestKind::CloseSectionWindow}));
    EXPECT_EQ(s.apply(KeyIntent{KeyName::Character, 'C', false, false, true, KeyTarget::Picture}), 0u);
    EXPECT_EQ(s.apply(KeyIntent{KeyName::Home, 0, false, false, false, KeyTarget::Window, true}), 0u);
    // A modal window of the program's own holds the shortcuts back, F10 too.
    EXPECT_EQ(s.apply(ctrl('S', KeyTarget::Dialog)), kIntentTaken);
    EXPECT_EQ(s.apply(plainKey(KeyName::F10, KeyTarget::Dialog)), 0u);
    // Meta counts as Alt for the shortcuts, but only Alt itself and a menu's
    // underlined letter open it, and only where the session opens the menus.
    KeyIntent metaS = ctrl('S', KeyTarget::Picture);
    KeyIntent altH{KeyName::Character, 'H', false, false, true, KeyTarget::Picture}, metaH = altH;
    metaS.meta = metaH.meta = metaH.menuLetters = true;
    metaH.alt = false;
    EXPECT_EQ(s.apply(metaS) | s.apply(metaH) | s.apply(altH), 0u);
    altH.menuLetters = true;
    EXPECT_NE(s.apply(altH) & kIntentTaken, 0u);
    const std::vector<Request> opened = s.session.takeRequests();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(std::tuple(opened[0].kind, opened[0].text),
              std::tuple(RequestKind::OpenMenuBar, "MnuHelputama"));
    // A text keeps the copy key, in the main window or inside another.
    for (const KeyTarget target : {KeyTarget::Window, KeyTarget::Dialog, KeyTarget::SectionWindow})
        EXPECT_EQ(s.apply(ctrl('C', target, true)), 0u);
    EXPECT_EQ(s.requests(), Kinds{});
}

// The arrows turn the solid over both surfaces, Shift ten steps; with Ctrl
// or Alt they belong to the toolkit.
TEST(WindowSession, ArrowsTurnOverBothSurfaces)
{
    Session s;
    const float startX = s.view().MouseX;
    s.apply(plainKey(KeyName::Right, KeyTarget::Picture));
    const float step = s.view().MouseX - startX;
    EXPECT_GT(step, 0.0f);
    s.apply(KeyIntent{KeyName::Right, 0, true, false, false, KeyTarget::FullScreen});
    EXPECT_FLOAT_EQ(s.view().MouseX, startX + 11 * step);
    EXPECT_EQ(s.apply(KeyIntent{KeyName::Right, 0, false, true, false, KeyTarget::Picture}), 0u);
    s.apply(KeyIntent{KeyName::Home, 0, true, false, false, KeyTarget::FullScreen});
    EXPECT_EQ(s.view().MouseX, 0.0f);
}

// A toolkit's pointer event as it comes: a press or a release carries the
// one button, a move the buttons held, and a position over "Layar Penuh" is
// the drawing area's pixel it was drawn from.
TEST(WindowSession, PointerEventsCarryTheirButtonsAndFullScreenMapsBack)
{
    Session s;
    s.apply(MenuIntent{"mnuDragToTurn"});
    const float startX = s.view().MouseX;
    const auto event = [&s](PointerAction action, int held, int changed, double x, double y) {
        return s.apply(PointerEvent{PointerSurface::DrawingArea, action, held, changed, x, y});
    };
    event(PointerAction::Press, kLeftButton | kRightButton, kLeftButton, 100, 100);
    event(PointerAction::Move, kLeftButton, 0, 130, 100);
    EXPECT_EQ(s.view().MouseX, startX + 30);
    event(PointerAction::Release, 0, kRightButton, 130, 100);
    EXPECT_EQ(s.requests(), Kinds{RequestKind::SaveDialog});

    s.apply(WindowClosedIntent{WindowName::Dialog});
    s.apply(MenuIntent{"mnuDragToTurn"});
    s.session.openScaledView(ScaledView::FullScreen, 1000, 600);
    const PixelMapping& map = s.session.scaledPicture(ScaledView::FullScreen).mapping();
    s.apply(PointerEvent{PointerSurface::FullScreen, PointerAction::Move, 0, 0, map.originX + 60 * map.scale,
                         map.originY + 30 * map.scale});
    EXPECT_FLOAT_EQ(s.view().MouseX, 60.0f);
    EXPECT_FLOAT_EQ(s.view().MouseY, 30.0f);
}

// The picture's words are due after whatever may change the view, and not
// after a move that turned nothing or a key nobody took; a drag holds them
// back until it lets go, which makes them due again.
TEST(WindowSession, PictureWordsAreDueOnlyWhenTheViewMayHaveChangedAndNoDragHoldsIt)
{
    Session s;
    s.pointer(PointerSurface::DrawingArea, PointerAction::Press, kLeftButton, 100, 100);
    s.pointer(PointerSurface::DrawingArea, PointerAction::Move, kLeftButton, 130, 100);
    EXPECT_EQ(s.session.pictureWords(), "");
    EXPECT_NE(s.pointer(PointerSurface::DrawingArea, PointerAction::Release, kLeftButton, 130, 100)
                  & kPictureWordsDue,
              0u);
    EXPECT_EQ(s.session.pictureWords(), pictureInWords(s.model().viewSettings()));
    EXPECT_NE(s.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 150, 90) & kPictureWordsDue, 0u);
    EXPECT_NE(s.apply(MenuIntent{"mnuDragToTurn"}) & kPictureWordsDue, 0u);
    EXPECT_EQ(s.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 10, 10) & kPictureWordsDue, 0u);
    EXPECT_EQ(s.apply(plainKey(KeyName::Other, KeyTarget::Picture)), 0u);
}

// Both front ends name their keys from one table: the browser's name and
// the shorter one toolkits give an arrow are the same key, a letter of
// either case the same character.
TEST(KeyNames, EverySpellingOfAKeyIsThatKey)
{
    EXPECT_EQ(keyIntentNamed("ArrowLeft").key, KeyName::Left);
    EXPECT_EQ(keyIntentNamed("Left").key, KeyName::Left);
    EXPECT_EQ(keyIntentNamed("PageDown").key, KeyName::PageDown);
    EXPECT_EQ(std::pair(keyIntentNamed("s").key, keyIntentNamed("s").character),
              std::pair(KeyName::Character, 'S'));
    EXPECT_EQ(keyIntentNamed("Shift").key, KeyName::Other);
}

// The switches are the session's: each item turns its own over, and the
// snapshot shows it; a redraw comes with the aids, none with the drag rule.
TEST(WindowSession, SwitchesTurnOverAndShowInTheSnapshot)
{
    Session s;
    EXPECT_EQ(s.apply(MenuIntent{"mnuAxes"}), kPictureChanged | kControlsChanged | kIntentTaken);
    EXPECT_EQ(s.apply(MenuIntent{"mnuDragToTurn"}), kControlsChanged | kIntentTaken);
    s.apply(MenuIntent{"mnuBackLines"});
    s.apply(MenuIntent{"mnuAxes"});
    const WindowSnapshot shown = s.session.snapshot();
    EXPECT_TRUE(shown.backLines);
    EXPECT_FALSE(shown.axes);
    EXPECT_TRUE(shown.dragToTurn);
    s.apply(MenuIntent{"mnuSpeed(0)"});
    EXPECT_EQ(s.session.snapshot().speed, 0);
    EXPECT_EQ(s.apply(MenuIntent{"mnuSpeed(9"}), 0u);
}

// Commands that hand something to the toolkit carry it; information windows
// by their names.
TEST(WindowSession, RequestsCarryWhatTheFrontEndNeeds)
{
    Session s;
    s.apply(ControlIntent{"Option1_Click", 3});
    s.apply(MenuIntent{"mnuCopyViewCode"});
    s.apply(MenuIntent{"mnuShare"});
    s.apply(MenuIntent{"MnuSasaran"});
    const std::vector<Request> requests = s.session.takeRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], (Request{RequestKind::CopyText, s.session.viewCommand()}));
    EXPECT_NE(requests[0].text.find("--shape 3"), std::string::npos);
    EXPECT_EQ(requests[1], (Request{RequestKind::SharePicture, s.session.pictureName()}));
    EXPECT_EQ(requests[2], (Request{RequestKind::ShowInfoWindow, "frmAbout1"}));
}

// "Tutup Program" stops the timers and ends the session: nothing after it
// reaches the view.
TEST(WindowSession, NothingReachesTheViewAfterTheProgramEnds)
{
    Session s;
    s.apply(ControlIntent{"optAnim_Click", kAnimHorizontal});
    s.apply(KeyIntent{KeyName::Character, 'Q', false, true, false, KeyTarget::Window});
    EXPECT_EQ(s.requests(), Kinds{RequestKind::CloseProgram});
    EXPECT_FALSE(s.session.snapshot().timerRunning);
    const PixelBuffer before = s.area.Image();
    s.apply(TickIntent{});
    s.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 10, 10);
    s.apply(ControlIntent{"Option1_Click", 2});
    s.apply(OpenAddressIntent{"#shape=3&view=120,60"});
    EXPECT_EQ(s.apply(ctrl('S', KeyTarget::Window)), kIntentTaken);
    EXPECT_EQ(s.requests(), Kinds{});
    EXPECT_EQ(s.area.Image(), before);
}

// An address that is refused leaves the view as it was and says why, a bare
// one leaves it silently; one with a section opens the section's window, and
// one without closes it.
TEST(WindowSession, AddressesOpenTheirViewOrAreRefused)
{
    Session s;
    s.apply(OpenAddressIntent{"#shape=3&view=120,60&section=30,10"});
    EXPECT_TRUE(s.session.addressRefusal().empty());
    EXPECT_EQ(s.requests(), Kinds{RequestKind::ShowSectionWindow});
    EXPECT_TRUE(s.session.snapshot().section.shown);
    const std::string address = s.session.viewAddress();
    EXPECT_EQ(s.apply(OpenAddressIntent{"#shape=99"}), 0u);
    EXPECT_FALSE(s.session.addressRefusal().empty());
    EXPECT_EQ(s.session.viewAddress(), address);
    EXPECT_EQ(s.apply(OpenAddressIntent{"#"}), 0u) << "a bare address names no view";
    EXPECT_EQ(std::tuple(s.session.viewAddress(), s.session.addressRefusal()), std::tuple(address, ""));
    s.apply(WindowClosedIntent{WindowName::SectionWindow});
    EXPECT_FALSE(s.session.snapshot().section.shown);
    s.apply(OpenAddressIntent{"#shape=3&view=120,60&section=30,10"});
    EXPECT_EQ(s.requests(), Kinds{RequestKind::ShowSectionWindow});
    s.apply(OpenAddressIntent{"#shape=3&view=120,60"});
    EXPECT_EQ(s.requests(), Kinds{RequestKind::CloseSectionWindow});
    EXPECT_FALSE(s.session.snapshot().section.shown);
}

// The page's address is written once the view differs from the view it
// names: a bare address names the start view, an opened one its own, a
// refused one none; and nothing is written once the program has ended.
TEST(WindowSession, TheAddressIsWrittenOnceTheViewDiffersFromIt)
{
    Session s;
    const KeyIntent right{KeyName::Right, 0, false, false, false, KeyTarget::Picture};
    s.apply(OpenAddressIntent{""});
    EXPECT_EQ(s.session.addressToWrite(), "");
    s.apply(right);
    EXPECT_EQ(s.session.addressToWrite(), s.session.viewAddress());
    EXPECT_EQ(s.session.addressToWrite(), "") << "written once";
    s.apply(OpenAddressIntent{"#shape=3&view=120,60"});
    EXPECT_EQ(s.session.addressToWrite(), "");
    s.apply(OpenAddressIntent{"#shape=99"});
    EXPECT_EQ(s.session.addressToWrite(), "#shape=3&view=120,60");
    s.apply(right);
    s.apply(ctrl('Q', KeyTarget::Window));
    EXPECT_EQ(s.session.addressToWrite(), "");
}

// The page reads the snapshot and the requests as JSON: each kind of request
// by a name of its own, the section's window as an object of its own.
TEST(WindowSession, SnapshotAndRequestsReadAsJson)
{
    std::set<std::string_view> names;
    for (int kind = 0; kind <= static_cast<int>(RequestKind::CloseProgram); ++kind)
        names.insert(requestKindName(static_cast<RequestKind>(kind)));
    EXPECT_EQ(names.size(), static_cast<std::size_t>(RequestKind::CloseProgram) + 1);
    Session s;
    s.apply(MenuIntent{"mnuIrisan"});
    EXPECT_NE(snapshotJson(s.session.snapshot()).find(R"("section":{"shown":true,)"), std::string::npos);
    EXPECT_EQ(requestsJson(s.session.takeRequests()), R"([{"kind":"showSectionWindow","text":""}])");
}

// "Irisan Bidang"'s texts come with its window: the closed window's snapshot
// carries none, so no section is worked out for it.
TEST(WindowSession, SectionTextsComeOnlyWithTheSectionWindow)
{
    Session s;
    const auto texts
        = [&s] { return std::pair(s.session.snapshot().section.solid, s.session.snapshot().section.line); };
    EXPECT_EQ(texts(), std::pair(std::string(), std::string()));
    s.apply(MenuIntent{"mnuIrisan"});
    EXPECT_FALSE(texts().first.empty() || texts().second.empty());
    s.apply(WindowClosedIntent{WindowName::SectionWindow});
    EXPECT_EQ(texts(), std::pair(std::string(), std::string()));
}

// "Ukuran Bangun": the school solid drawn for the four shapes only, with its
// bars' sizes and its worked numbers; the aspect bar disabled and kept.
TEST(WindowSession, SizeWindowDrawsTheSchoolSolidUntilItCloses)
{
    Session s;
    s.apply(ControlIntent{"Option1_Click", kSchoolTabung});
    s.apply(MenuIntent{"mnuUkuran"});
    EXPECT_EQ(s.requests(), Kinds{RequestKind::ShowSizeWindow});
    EXPECT_EQ(s.view().MouseX, SizeWindowLayout::kOpeningViewX) << "turned from the side view";
    EXPECT_EQ(s.session.model().pictureOptions().schoolSolid, (SchoolSolid{kSchoolTabung, 7, 10, 0}));
    WindowSnapshot shown = s.session.snapshot();
    EXPECT_TRUE(shown.sizes.shown && shown.sizes.heightEnabled && shown.sizes.netEnabled);
    EXPECT_FALSE(shown.aspectEnabled);
    EXPECT_EQ(shown.sizes.numbers.substr(0, shown.sizes.numbers.find('\n')),
              "Luas alas = \u03c0r\u00b2 = 22/7 \u00d7 7\u00b2 = 154,00 cm\u00b2");
    EXPECT_NE(snapshotJson(shown).find(R"("sizes":{"shown":true,"available":true,"radius":7,)"),
              std::string::npos);

    const std::vector<std::pair<std::string, int>> sizes{
        {"hsbJariJari_Change", 3}, {"hsbTinggi_Change", 4}, {"hsbJaring_Change", 50}, {"optPi_Click", 1}};
    for (const auto& [handler, value] : sizes)
        s.apply(ControlIntent{handler, value});
    s.apply(ControlIntent{"hsbJariJari_Step", -5});
    EXPECT_EQ(s.session.snapshot().sizes.radiusText, "r = 1 cm") << "kept within the bar";
    s.apply(ControlIntent{"hsbJariJari_Step", 2});
    EXPECT_EQ(s.apply(ControlIntent{"VScroll1_Change", 5}), 0u);
    EXPECT_EQ(s.session.snapshot().aspectTenths, 10);
    s.apply(ControlIntent{"Option1_Click", kSchoolKerucut});
    EXPECT_EQ(s.session.model().pictureOptions().schoolSolid, (SchoolSolid{kSchoolKerucut, 3, 4, 50}));
    EXPECT_EQ(s.session.viewCommand(), "ruvex3d --shape 3 --view 0,0 --size 3,4 --net 50 --pi 3,14");
    s.apply(ControlIntent{"Option1_Click", kSchoolBola});
    EXPECT_EQ(s.session.model().pictureOptions().schoolSolid, (SchoolSolid{kSchoolBola, 3, 4, 0}));
    EXPECT_EQ(s.session.snapshot().sizes.notice, "Bola tidak mempunyai jaring-jaring");
    EXPECT_FALSE(s.session.snapshot().sizes.netEnabled);
    s.apply(ControlIntent{"Option1_Click", 1});
    EXPECT_EQ(s.session.model().pictureOptions().schoolSolid, std::nullopt);
    EXPECT_EQ(s.session.snapshot().sizes.notice, SizeTexts::kOtherShape);
    EXPECT_TRUE(s.session.snapshot().sizes.numbers.empty());
}

// The page calls the handlers the window's description names, the
// "Ukuran Bangun" window's among them: the session takes every one.
TEST(WindowSession, TakesEveryHandlerTheDescriptionNames)
{
    const std::string json = windowDescriptionJson();
    const std::regex named(R"j("(stepHandler|handler)":"([A-Za-z0-9_]+)")j");
    int handlers = 0;
    for (auto found = std::sregex_iterator(json.begin(), json.end(), named); found != std::sregex_iterator();
         ++found, ++handlers) {
        Session s;
        EXPECT_NE(s.apply(ControlIntent{(*found)[2].str(), 1}) & kIntentTaken, 0u) << (*found)[2].str();
    }
    EXPECT_GE(handlers, 15);
}

// "Irisan Bidang" and "Ukuran Bangun" close each other; Escape over the
// sizes window asks to close it, and closed the program's own solid is
// back, pixel for pixel.
TEST(WindowSession, SizeWindowAndSectionAreAlternativesAndClosingBringsTheOwnSolidBack)
{
    Session s;
    s.apply(MenuIntent{"mnuUkuran"});
    s.apply(MenuIntent{"mnuIrisan"});
    EXPECT_EQ(
        s.requests(),
        (Kinds{RequestKind::ShowSizeWindow, RequestKind::CloseSizeWindow, RequestKind::ShowSectionWindow}));
    s.apply(MenuIntent{"mnuUkuran"});
    EXPECT_EQ(s.requests(), (Kinds{RequestKind::CloseSectionWindow, RequestKind::ShowSizeWindow}));
    EXPECT_FALSE(s.session.snapshot().section.shown);
    s.apply(ControlIntent{"Option1_Click", kSchoolTabung});
    s.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 120, 60);
    s.apply(plainKey(KeyName::Escape, KeyTarget::SizeWindow));
    EXPECT_EQ(s.requests(), Kinds{RequestKind::CloseSizeWindow});
    s.apply(WindowClosedIntent{WindowName::SizeWindow});
    EXPECT_TRUE(s.session.snapshot().aspectEnabled);
    EXPECT_EQ(s.session.model().pictureOptions(), PictureOptions{});
    Session plain;
    plain.apply(ControlIntent{"Option1_Click", kSchoolTabung});
    plain.pointer(PointerSurface::DrawingArea, PointerAction::Move, 0, 120, 60);
    EXPECT_EQ(s.area.Image(), plain.area.Image());
}

} // namespace
