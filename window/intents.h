#pragma once
// What a user does to the window, in terms no toolkit owns: the front ends
// (the desktop window, the page, the command line) turn their events into
// these and hand them to the window's session (windowsession.h), which holds
// every rule about what they do.

#include "window/viewsettings.h"

#include <string>
#include <variant>

// Mouse buttons as one mask: a move carries the buttons held, a press or a
// release the one button.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The surfaces the pointer turns the solid over: the drawing area, and "Layar
// Penuh", whose picture's pixels the session maps back over the drawing
// area (view/presentationpicture.h).
enum class PointerSurface { DrawingArea, FullScreen };
enum class PointerAction { Move, Press, Release };

// A pointer event as a toolkit reports it, for the session's rules to pick
// what it carries: the buttons held and the one button pressed or released,
// as masks, at a position in the surface's own picture pixels: the drawing
// area's interior, or the full-screen picture, which the session maps back
// over the drawing area while it is open.
struct PointerEvent {
    PointerSurface surface = PointerSurface::DrawingArea;
    PointerAction action = PointerAction::Move;
    int held = 0;
    int changed = 0;
    double x = 0.0;
    double y = 0.0;
};

// The keys any rule reads; Character is a letter or digit, in `character`.
enum class KeyName {
    Other,
    Character,
    Left,
    Up,
    Right,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    Escape,
    F1,
    F10,
    F11,
    Tab
};

// Where the key went: the drawing area, "Layar Penuh", a text that keeps the
// copy key for its own copy (a text box with the keys, or a selection outside
// the picture), the section window, the sizes window, a modal window of the program's own (an
// information window, the help) where the toolkit does not hold the main
// window's keys back itself, or anywhere else in the window.
enum class KeyTarget { Picture, FullScreen, SectionWindow, SizeWindow, Dialog, Window };

struct KeyIntent {
    KeyName key = KeyName::Other;
    char character = 0; // upper case, for KeyName::Character
    bool shift = false;
    bool ctrl = false;
    bool alt = false; // Alt itself
    KeyTarget target = KeyTarget::Window;
    // Within the target, a text that keeps the copy key (a text box of the
    // section window, a selection in the help).
    bool inText = false;
    // The session opens a menu by Alt and the letter its caption underlines.
    // The page's; the desktop's menu bar opens its menus by their letters
    // itself.
    bool menuLetters = false;
    bool meta = false; // the Command or Windows key: held, it counts as Alt

    bool altOrMeta() const { return alt || meta; }
};

// A menu item chosen, by its name in the menu table ("mnuSave",
// "mnuSpeed(1)").
struct MenuIntent {
    std::string item;
};

// A control of the main window, of "Irisan Bidang" or of "Ukuran Bangun" given a new value by the
// user, by its handler's name in the window's description: a member of an
// array with its index ("Option1_Click", 3), the check boxes with their value
// (0 unticked, 1 ticked, 2 greyed), a scroll bar with its value, the section
// bars' "−" and "+" with their steps.
struct ControlIntent {
    std::string handler;
    int value = 0;
};

// The animation timer ticked.
struct TickIntent { };

// The window opened on a view noted earlier: the command line's, or the
// page's address fragment ("#shape=3&view=…").
struct OpenViewIntent {
    PictureSettings settings;
};
struct OpenAddressIntent {
    std::string fragment;
};

// A window the session asked for was closed by the user or the system, or a
// dialog it asked for has ended (whatever its answer).
enum class WindowName { SectionWindow, SizeWindow, FullScreen, Dialog };
struct WindowClosedIntent {
    WindowName window = WindowName::Dialog;
};

using Intent = std::variant<PointerEvent, KeyIntent, MenuIntent, ControlIntent, TickIntent, OpenViewIntent,
                            OpenAddressIntent, WindowClosedIntent>;
