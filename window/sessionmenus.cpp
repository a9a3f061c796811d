// The window session's menus: what each item of the menu bar does, the
// requests it hands the front end, and the shortcuts that run the items.

#include "window/windowsession.h"

#include "surface/animation.h"
#include "window/form1menus.h"
#include "window/infowindowlayout.h"
#include "window/sectionwindowlayout.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <functional>
#include <string_view>
#include <utility>

namespace {

// "Irisan Bidang" and "Ukuran Bangun": the requests that show and close each,
// whether it is shown, and the command that opens it.
struct BesideWindow {
    RequestKind show;
    RequestKind close;
    bool (Form1Model::*shown)() const;
    void (Form1Model::*open)();
};
constexpr BesideWindow kSectionWindow{RequestKind::ShowSectionWindow, RequestKind::CloseSectionWindow,
                                      &Form1Model::sectionShown, &Form1Model::mnuIrisan_Click};
constexpr BesideWindow kSizeWindow{RequestKind::ShowSizeWindow, RequestKind::CloseSizeWindow,
                                   &Form1Model::sizesShown, &Form1Model::mnuUkuran_Click};

// The letter a caption underlines, upper case ("&Spasiologi": 'S'); 0 for none.
char underlinedLetter(std::string_view caption)
{
    const std::size_t mark = caption.find('&');
    if (mark == std::string_view::npos || mark + 1 == caption.size())
        return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[mark + 1])));
}

// "mnuSpeed(2)" → 2; -1 for any other item.
int speedItemIndex(std::string_view item)
{
    constexpr std::string_view prefix = "mnuSpeed(";
    if (!item.starts_with(prefix) || !item.ends_with(')'))
        return -1;
    int index = -1;
    const char* first = item.data() + prefix.size();
    const auto [end, error] = std::from_chars(first, item.data() + item.size() - 1, index);
    return error == std::errc() && end == item.data() + item.size() - 1 ? index : -1;
}

std::string_view infoWindowOfMenuItem(std::string_view item)
{
    for (const InfoWindowLayout& window : InfoWindowLayouts::kWindows)
        if (window.menuItem == item)
            return window.name;
    return {};
}

} // namespace

// --- menus ------------------------------------------------------------------

// While a dialog the session asked for is open, or after "Tutup Program",
// the menus and their shortcuts do nothing.
unsigned WindowSession::applyMenu(const std::string& item)
{
    if (m_ended || m_dialogOpen)
        return 0;
    const int speed = speedItemIndex(item);
    if (speed >= 0) {
        m_model.mnuSpeed_Click(speed);
        return kIntentTaken;
    }
    const std::string_view info = infoWindowOfMenuItem(item);
    if (!info.empty()) {
        request(RequestKind::ShowInfoWindow, std::string(info));
        return kIntentTaken;
    }
    return runCommand(item) || runSwitch(item) ? kIntentTaken : 0u;
}

// Less motion asked for (a browser's or system's setting): the sweep goes at
// the slowest speed "Kecepatan Rotasi" offers.
void WindowSession::reduceMotion()
{
    const auto slowest = std::min_element(kSweepSpeeds.begin(), kSweepSpeeds.end());
    m_model.mnuSpeed_Click(static_cast<int>(slowest - kSweepSpeeds.begin()));
}

bool WindowSession::runCommand(const std::string& item)
{
    using Command = std::function<void()>;
    const std::array<std::pair<std::string_view, Command>, 11> commands = {{
        {"mnuHome", [this] { m_model.mnuHome_Click(); }},
        {"mnuSave", [this] { requestDialog(RequestKind::SaveDialog); }},
        {"mnuExport", [this] { requestDialog(RequestKind::ExportDialog); }},
        {"mnuFullScreen",
         [this] {
             request(m_fullScreen ? RequestKind::CloseFullScreen : RequestKind::OpenFullScreen);
             m_fullScreen = !m_fullScreen;
         }},
        {"mnuExit",
         [this] {
             stopAnimation();
             m_ended = true;
             request(RequestKind::CloseProgram);
         }},
        {"MnuPetunjuk", [this] { request(RequestKind::ShowHelp); }},
        {"mnuCopyPicture", [this] { request(RequestKind::CopyPicture); }},
        {"mnuCopyViewCode", [this] { request(RequestKind::CopyText, viewCommand()); }},
        {"mnuShare", [this] { request(RequestKind::SharePicture, pictureName()); }},
        {SectionWindowLayout::kMenuItem, [this] { openBeside(WindowName::SectionWindow); }},
        {SizeWindowLayout::kMenuItem, [this] { openBeside(WindowName::SizeWindow); }},
    }};
    for (const auto& [name, command] : commands) {
        if (name == item) {
            command();
            return true;
        }
    }
    return false;
}

// The switches turn over the state the session keeps.
bool WindowSession::runSwitch(const std::string& item)
{
    PictureOptions options = m_model.pictureOptions();
    if (item == "mnuBackLines") {
        options.dashedBackLines = !options.dashedBackLines;
        m_model.setPictureOptions(options);
    } else if (item == "mnuAxes") {
        options.axes = !options.axes;
        m_model.setPictureOptions(options);
    } else if (item == "mnuDragToTurn") {
        m_model.setDragToTurn(!m_model.dragToTurn());
    } else {
        return false;
    }
    return true;
}

// "Irisan Bidang" and "Ukuran Bangun" are alternatives: opening one closes
// the other.
void WindowSession::openBeside(WindowName which)
{
    const bool section = which == WindowName::SectionWindow;
    const BesideWindow& window = section ? kSectionWindow : kSizeWindow;
    const BesideWindow& other = section ? kSizeWindow : kSectionWindow;
    if ((m_model.*other.shown)())
        request(other.close);
    request(window.show);
    if (!(m_model.*window.shown)())
        (m_model.*window.open)();
}

// Before a picture is written: stopped before the dialog opens and left
// stopped, so no tick redraws the picture while the dialog is up or while the
// file is written.
void WindowSession::stopAnimation()
{
    m_model.optAnim_Click(kAnimStop);
}

void WindowSession::requestDialog(RequestKind kind)
{
    stopAnimation();
    m_dialogOpen = true;
    request(kind);
}

void WindowSession::request(RequestKind kind, std::string text)
{
    m_requests.push_back({kind, std::move(text)});
}

std::vector<Request> WindowSession::takeRequests()
{
    return std::exchange(m_requests, {});
}

// The menu on the bar a key opens, by name: F10 the first, Alt and a letter
// the one whose caption underlines it ("&Spasiologi"); none while a dialog is
// open.
std::string_view WindowSession::menuOpenedBy(const KeyIntent& key) const
{
    if (m_dialogOpen || key.ctrl)
        return {};
    if (key.key == KeyName::F10 && !key.shift && !key.altOrMeta())
        return Form1Menus::kEntries.front().name;
    if (!key.menuLetters || !key.alt || key.key != KeyName::Character)
        return {};
    for (const MenuEntry& entry : Form1Menus::kEntries)
        if (entry.level == 0 && underlinedLetter(entry.caption) == key.character)
            return entry.name;
    return {};
}

std::string WindowSession::shortcutOf(const KeyIntent& key)
{
    if (key.altOrMeta())
        return {};
    if (key.key == KeyName::Character && key.ctrl)
        return std::string("Ctrl+") + key.character;
    if (key.ctrl)
        return {};
    switch (key.key) {
    case KeyName::F1:
        return "F1";
    case KeyName::F11:
        return "F11";
    default:
        return {};
    }
}

std::string_view WindowSession::menuItemOfShortcut(std::string_view shortcut)
{
    if (shortcut.empty())
        return {};
    for (const MenuEntry& entry : Form1Menus::kEntries)
        if (entry.shortcut == shortcut)
            return entry.name;
    return {};
}
