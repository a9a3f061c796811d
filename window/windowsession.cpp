#include "window/windowsession.h"

#include "surface/animation.h"
#include "window/form1menus.h"
#include "window/keycodes.h"
#include "window/lessoncaption.h"
#include "window/sectionwindowlayout.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

// The controls' handlers by the names the window's description gives them;
// each takes the control's value.
using ControlHandler = void (Form1Model::*)(int);
struct NamedHandler {
    std::string_view name;
    ControlHandler handler;
};
constexpr std::array kControlHandlers = {
    NamedHandler{"Option1_Click", &Form1Model::Option1_Click},
    NamedHandler{"optAnim_Click", &Form1Model::optAnim_Click},
    NamedHandler{"chkPerspective_Click", &Form1Model::chkPerspective_Click},
    NamedHandler{"VScroll1_Change", &Form1Model::VScroll1_Change},
    NamedHandler{"VScroll2_Change", &Form1Model::VScroll2_Change},
    NamedHandler{"hsbKemiringan_Change", &Form1Model::hsbKemiringan_Change},
    NamedHandler{"hsbJarak_Change", &Form1Model::hsbJarak_Change},
    NamedHandler{"hsbKemiringan_Step", &Form1Model::hsbKemiringan_Step},
    NamedHandler{"hsbJarak_Step", &Form1Model::hsbJarak_Step},
    NamedHandler{"chkBidang_Click", &Form1Model::chkBidang_Click},
    NamedHandler{"hsbJariJari_Change", &Form1Model::hsbJariJari_Change},
    NamedHandler{"hsbTinggi_Change", &Form1Model::hsbTinggi_Change},
    NamedHandler{"hsbJaring_Change", &Form1Model::hsbJaring_Change},
    NamedHandler{"optPi_Click", &Form1Model::optPi_Click},
    NamedHandler{"hsbJariJari_Step", &Form1Model::hsbJariJari_Step},
    NamedHandler{"hsbTinggi_Step", &Form1Model::hsbTinggi_Step},
    NamedHandler{"hsbJaring_Step", &Form1Model::hsbJaring_Step},
};

// The arrow keys and Home in the codes the model's key handler reads.
short turningKeyCode(KeyName key)
{
    switch (key) {
    case KeyName::Left:
        return kKeyLeft;
    case KeyName::Up:
        return kKeyUp;
    case KeyName::Right:
        return kKeyRight;
    case KeyName::Down:
        return kKeyDown;
    case KeyName::Home:
        return kKeyHome;
    default:
        return 0;
    }
}

} // namespace

WindowSession::WindowSession(PictureBox& area)
    : m_model(area)
{
}

void WindowSession::start(Form1LoadWindow& window)
{
    m_model.Form_Load(window);
    m_writtenAddress = viewAddress();
}

// The full screen's picture made anew at its height without the band when a
// caption came or went, and drawn: true when it was, its whole picture
// changed.
bool WindowSession::fitCaptionBand(RedrawnParts& redrawn)
{
    OpenView& view = scaledView(ScaledView::FullScreen);
    if (!view.open)
        return false;
    const int band = bandHeight(ScaledView::FullScreen, view.width, view.height);
    if (band == view.band)
        return false;
    view.band = band;
    const PixelBuffer& image = m_model.area().Image();
    view.picture.resize(view.width, view.height - band, image.width(), image.height());
    view.picture.redraw(m_model.pictureLines());
    view.picture.takeChangedRect();
    redrawn.beside[static_cast<std::size_t>(ScaledView::FullScreen)] = view.picture.image().rect();
    return true;
}

namespace {

// A pointer move or a tick only turns the view: no control shows anything
// else afterwards, so the redraw path builds no snapshot to compare.
bool onlyTurns(const Intent& intent)
{
    const auto* pointer = std::get_if<PointerEvent>(&intent);
    return std::holds_alternative<TickIntent>(intent) || (pointer && pointer->action == PointerAction::Move);
}

} // namespace

WindowSession::Before WindowSession::before(const Intent& intent) const
{
    const bool compared = !onlyTurns(intent);
    return {compared, compared ? snapshot() : WindowSnapshot{}, m_requests.size(), m_model.redrawCount(),
            m_pointerHeld};
}

// What an intent changed besides what it took: the parts each picture's
// redraw changed, and the bits for what else moved.
AppliedIntent WindowSession::changesSince(const Before& before, unsigned taken)
{
    AppliedIntent applied{taken, m_model.takeRedrawnParts()};
    // The model's redraws drew the open scaled views too. A turn leaves the
    // caption as it was, so only another intent can bring or take its band.
    const bool bandFitted = before.compared && fitCaptionBand(applied.redrawn);
    if (bandFitted || m_model.redrawCount() != before.redraws)
        applied.changes |= kPictureChanged;
    const WindowSnapshot now = before.compared ? snapshot() : WindowSnapshot{};
    if (before.compared && !(now == before.snapshot))
        applied.changes |= kControlsChanged;
    if (bandFitted || (scaledViewOpen(ScaledView::FullScreen) && now.caption != before.snapshot.caption))
        applied.changes |= kCaptionChanged;
    if (m_requests.size() != before.requests)
        applied.changes |= kRequestsWaiting;
    if (before.held && !m_pointerHeld)
        applied.changes |= kDragEnded;
    return applied;
}

AppliedIntent WindowSession::apply(const Intent& intent)
{
    const Before was = before(intent);
    const unsigned taken = std::visit(
        [this](const auto& what) -> unsigned {
            using Kind = std::decay_t<decltype(what)>;
            if constexpr (std::is_same_v<Kind, PointerEvent>)
                return applyPointer(what);
            else if constexpr (std::is_same_v<Kind, KeyIntent>)
                return applyKey(what);
            else if constexpr (std::is_same_v<Kind, MenuIntent>)
                return applyMenu(what.item);
            else if constexpr (std::is_same_v<Kind, ControlIntent>)
                return applyControl(what);
            else if constexpr (std::is_same_v<Kind, TickIntent>)
                return applyTick();
            else if constexpr (std::is_same_v<Kind, OpenViewIntent>)
                return openView(what.settings);
            else if constexpr (std::is_same_v<Kind, OpenAddressIntent>)
                return openAddress(what.fragment);
            else
                return windowClosed(what.window);
        },
        intent);
    return changesSince(was, taken);
}

// --- pointer and keys -------------------------------------------------------

// Both surfaces turn the solid by the drawing area's rules ("Putar dengan
// Menyeret" included): a move carries the buttons held, a press or a release
// the one button. The right button's release over the drawing area saves the
// picture, as it always did, and over "Layar Penuh" only ends a drag.
unsigned WindowSession::applyPointer(const PointerEvent& event)
{
    if (m_ended)
        return 0;
    const SourcePoint at = pointerPosition(event);
    const float x = static_cast<float>(at.x);
    const float y = static_cast<float>(at.y);
    m_pointerHeld
        = event.action == PointerAction::Press || (event.action == PointerAction::Move && event.held != 0);
    switch (event.action) {
    case PointerAction::Move:
        m_model.pointerMoved(event.held, x, y);
        break;
    case PointerAction::Press:
        m_model.picDisplay_MouseDown(event.changed, x, y);
        break;
    case PointerAction::Release:
        m_model.picDisplay_MouseUp(event.changed, x, y);
        if (event.changed == kRightButton && event.surface == PointerSurface::DrawingArea)
            applyMenu("mnuSave");
        break;
    }
    return kIntentTaken;
}

// A position over "Layar Penuh" is the drawing area's pixel its picture was
// drawn from.
SourcePoint WindowSession::pointerPosition(const PointerEvent& event) const
{
    if (event.surface == PointerSurface::FullScreen && scaledViewOpen(ScaledView::FullScreen))
        return scaledView(ScaledView::FullScreen).picture.sourcePosition(event.x, event.y);
    return {event.x, event.y};
}

unsigned WindowSession::applyKey(const KeyIntent& key)
{
    // After "Tutup Program" a shortcut does nothing, and is still taken, so
    // the toolkit runs none of its own for it (a browser's tab stays open).
    if (m_ended)
        return menuItemOfShortcut(shortcutOf(key)).empty() ? 0u : kIntentTaken;
    const bool plain = !key.ctrl && !key.altOrMeta();
    const bool overPicture = key.target == KeyTarget::Picture || key.target == KeyTarget::FullScreen;
    if (key.target == KeyTarget::FullScreen && (key.key == KeyName::Escape || key.key == KeyName::F11)) {
        windowClosed(WindowName::FullScreen);
        request(RequestKind::CloseFullScreen);
        return kIntentTaken;
    }
    // "Layar Penuh" keeps the keys until it closes: Tab moves the focus
    // nowhere behind it.
    if (key.target == KeyTarget::FullScreen && key.key == KeyName::Tab)
        return kIntentTaken;
    if (overPicture && plain && turningKeyCode(key.key) != 0) {
        // Home over "Layar Penuh" is the first view whatever Shift says.
        const int shift = key.shift && key.key != KeyName::Home ? kShiftMask : 0;
        return m_model.picDisplay_KeyDown(turningKeyCode(key.key), shift) ? kIntentTaken : 0u;
    }
    if (key.target == KeyTarget::SectionWindow && key.key == KeyName::Escape) {
        request(RequestKind::CloseSectionWindow);
        return kIntentTaken;
    }
    if (key.target == KeyTarget::SizeWindow && key.key == KeyName::Escape) {
        request(RequestKind::CloseSizeWindow);
        return kIntentTaken;
    }
    const std::string shortcut = shortcutOf(key);
    // A text keeps the copy key for its own copy.
    if (shortcut == "Ctrl+C" && key.inText)
        return 0;
    const std::string_view item = menuItemOfShortcut(shortcut);
    // A modal window holds the shortcuts back: taken, so the toolkit runs none
    // of its own for them either.
    if (key.target == KeyTarget::Dialog)
        return item.empty() ? 0u : kIntentTaken;
    if (!item.empty())
        return applyMenu(std::string(item)) | kIntentTaken;
    const std::string_view menu = menuOpenedBy(key);
    if (!menu.empty())
        request(RequestKind::OpenMenuBar, std::string(menu));
    return menu.empty() ? 0u : kIntentTaken;
}

// --- controls, timers, views and windows ------------------------------------

unsigned WindowSession::applyControl(const ControlIntent& control)
{
    // The aspect bar is disabled while "Ukuran Bangun" is open: the school
    // solid has sizes of its own.
    if (m_ended || (control.handler == "VScroll1_Change" && m_model.sizesShown()))
        return 0;
    for (const NamedHandler& named : kControlHandlers) {
        if (named.name == control.handler) {
            (m_model.*named.handler)(control.value);
            return kIntentTaken;
        }
    }
    return 0;
}

unsigned WindowSession::applyTick()
{
    if (m_ended)
        return 0;
    if (m_model.timer1Enabled())
        m_model.Timer1_Timer();
    if (m_model.timer2Enabled())
        m_model.Timer2_Timer();
    return kIntentTaken;
}

// A view noted with a section or sizes opens their window too; one without
// them closes the window that showed them. After "Tutup Program" no view
// opens.
unsigned WindowSession::openView(const PictureSettings& settings)
{
    if (m_ended)
        return 0;
    const bool sectionBefore = m_model.sectionShown();
    const bool sizesBefore = m_model.sizesShown();
    m_model.openView(settings);
    if (sectionBefore && !m_model.sectionShown())
        request(RequestKind::CloseSectionWindow);
    if (sizesBefore && !m_model.sizesShown())
        request(RequestKind::CloseSizeWindow);
    if (m_model.sectionShown())
        request(RequestKind::ShowSectionWindow);
    if (m_model.sizesShown())
        request(RequestKind::ShowSizeWindow);
    return kIntentTaken;
}

// A refused address leaves the view as it was; a bare one ("", "#") names
// no view and leaves it too.
unsigned WindowSession::openAddress(const std::string& fragment)
{
    m_addressRefusal.clear();
    if (m_ended || fragment.empty() || fragment == "#")
        return 0;
    const auto settings = viewSettingsOfFragment(fragment);
    if (const auto* refusal = std::get_if<std::string>(&settings)) {
        m_addressRefusal = *refusal;
        m_writtenAddress.clear();
        return 0;
    }
    const unsigned changes = openView(std::get<PictureSettings>(settings));
    m_writtenAddress = viewAddress();
    return changes;
}

unsigned WindowSession::windowClosed(WindowName window)
{
    switch (window) {
    case WindowName::SectionWindow:
        if (m_model.sectionShown())
            m_model.frmIrisan_Unload();
        break;
    case WindowName::SizeWindow:
        if (m_model.sizesShown())
            m_model.frmUkuran_Unload();
        break;
    case WindowName::FullScreen:
        m_fullScreen = false;
        break;
    case WindowName::Dialog:
        m_dialogOpen = false;
        break;
    }
    return kIntentTaken;
}

// --- what the windows show --------------------------------------------------

WindowSnapshot WindowSession::snapshot() const
{
    const Form1Model& m = m_model;
    WindowSnapshot s;
    s.description = m.description();
    s.aspectCaption = m.aspectCaption();
    s.distanceCaption = m.distanceCaption();
    s.shape = m.shapeIndex();
    s.animButton = m.animButton();
    s.perspective = m.perspectiveBox();
    s.aspectTenths = m.aspectTenths();
    s.aspectEnabled = !m.sizesShown();
    s.distance = m.distance();
    s.distanceEnabled = m.distanceBarEnabled();
    s.speed = m.speedIndex();
    s.backLines = m.pictureOptions().dashedBackLines;
    s.axes = m.pictureOptions().axes;
    s.dragToTurn = m.dragToTurn();
    s.timerRunning = !m_ended && (m.timer1Enabled() || m.timer2Enabled());
    if (!m_ended && m.timer1Enabled())
        s.runningTimer = 1;
    else if (!m_ended && m.timer2Enabled())
        s.runningTimer = 2;
    s.tickInterval = tickInterval(m.timerInterval());
    s.fullScreen = m_fullScreen;
    s.section = sectionSnapshot();
    s.sizes = sizeSnapshot();
    s.caption = fullScreenCaption(m_model);
    return s;
}

SectionSnapshot WindowSession::sectionSnapshot() const
{
    const SectionView& view = m_model.sectionView();
    SectionSnapshot s;
    s.shown = m_model.sectionShown();
    s.tilt = view.plane.tiltDegrees;
    s.distance = view.plane.distance;
    s.outline = view.outline;
    s.tiltText = SectionWindowLayout::tiltText(view.plane.tiltDegrees);
    s.distanceText = SectionWindowLayout::distanceText(view.plane.distance);
    // The curve is worked out for the window that shows it only: closed, the
    // section would cost every intent's two snapshots for nothing.
    if (!s.shown)
        return s;
    const PlaneSection& section = m_model.planeSection();
    s.solid = section.solidEquation;
    s.line = section.line();
    return s;
}
