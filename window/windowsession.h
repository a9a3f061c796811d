#pragma once
// The main window's session: what a user does goes in as intents
// (intents.h), and what every front end shows comes out as one snapshot,
// with the requests it is to carry out with its toolkit (a dialog, the
// clipboard, a window opened or closed). Every rule of the window and every
// piece of its state lives here once: the desktop window, the page and the
// command line only translate events into intents and show what comes back.
//
// The drawing area's picture is the model's (form1model.h), drawn into the
// PictureBox the front end owns and shows.

#include "view/presentationpicture.h"
#include "window/form1model.h"
#include "window/intents.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a front end is asked to do with its toolkit.
enum class RequestKind {
    SaveDialog,         // "Save Gambar": the name dialog, then the bitmap
    ExportDialog,       // "Ekspor Gambar…": the name and type dialog, then the file
    CopyPicture,        // "Salin Gambar": the drawing area's picture
    CopyText,           // "Salin Kode Tampilan": `text` is the view's command
    SharePicture,       // "Bagikan Gambar": the picture as a PNG named `text`
    OpenFullScreen,     // "Layar Penuh"
    CloseFullScreen,    //
    ShowSectionWindow,  // "Irisan Bidang", opened or brought forward
    CloseSectionWindow, //
    ShowSizeWindow,     // "Ukuran Bangun", opened or brought forward
    CloseSizeWindow,    //
    ShowInfoWindow,     // the information window named `text`
    ShowHelp,           // "Petunjuk Penggunaan"
    OpenMenuBar,        // F10: the first menu opened
    CloseProgram,       // "Tutup Program": every window closes, the program ends
};

struct Request {
    RequestKind kind;
    std::string text;
    bool operator==(const Request&) const = default;
};

// "Irisan Bidang" as its window shows it.
struct SectionSnapshot {
    bool shown = false; // the window is open and the section drawn
    int tilt = 0;
    int distance = 0;
    bool outline = true;
    std::string tiltText;
    std::string distanceText;
    std::string solid;
    std::string line;
    bool operator==(const SectionSnapshot&) const = default;
};

// "Ukuran Bangun" as its window shows it. For a shape without a school solid
// the bars and the choice are shown as kept, `available` is false and
// `notice` says which shapes have sizes; for the bola and setengah bola the
// height's and the net's bars are disabled and `notice` says there is no net.
struct SizeSnapshot {
    bool shown = false;     // the window is open
    bool available = false; // the shape chosen is drawn as a school solid
    int radius = 0;
    int height = 0;
    bool heightEnabled = false;
    int net = 0;
    bool netEnabled = false;
    int pi = 0; // the optPi button chosen: 0 "π = 22/7", 1 "π = 3,14"
    std::string radiusText;
    std::string heightText;
    std::string netText;
    std::string numbers; // the worked lines, joined by line breaks
    std::string notice;
    std::string caption; // the solid's volume and surface area, for "Layar Penuh"
    bool operator==(const SizeSnapshot&) const = default;
};

// Everything the windows show, in the controls' own units.
struct WindowSnapshot {
    std::string description; // Text1
    std::string aspectCaption;
    std::string distanceCaption;
    int shape = 0;             // the Option1 button chosen
    int animButton = -1;       // the optAnim button chosen; none at first
    int perspective = 0;       // chkPerspective: 0, 1 or 2 (greyed)
    int aspectTenths = 0;      // VScroll1
    bool aspectEnabled = true; // not while "Ukuran Bangun" is open
    int distance = 0;          // VScroll2
    bool distanceEnabled = false;
    int speed = 0; // the mnuSpeed item ticked
    bool backLines = false;
    bool axes = false;
    bool dragToTurn = false;
    bool timerRunning = false; // a timer of the model is on
    int runningTimer = 0;      // which: 1 (Timer1), 2 (Timer2) or 0
    int tickInterval = 0;      // how often it really ticks, in ms
    bool fullScreen = false;
    SectionSnapshot section;
    SizeSnapshot sizes;
    // What "Layar Penuh" shows in its band under the picture
    // (lessoncaption.h); empty, and no band, with neither window open.
    std::string caption;
    bool operator==(const WindowSnapshot&) const = default;
};

// The view drawn again at another size, kept up to date with every redraw
// while open: the drawing area at its device pixels (a high-density screen,
// a zoomed page), and "Layar Penuh".
enum class ScaledView { DrawingArea, FullScreen };

// What an intent changed, as bits: a front end redraws, reads the snapshot
// or takes the requests only when it has to.
inline constexpr unsigned kPictureChanged = 1u;  // the drawing area's picture was drawn again
inline constexpr unsigned kControlsChanged = 2u; // the snapshot differs
inline constexpr unsigned kRequestsWaiting = 4u; // takeRequests() has something
// The intent meant something here: a key the front end should not pass on.
inline constexpr unsigned kIntentTaken = 8u;
// A drag let go of the view: the words it held back are due.
inline constexpr unsigned kDragEnded = 16u;
// "Layar Penuh"'s caption changed, and with it maybe its band
// (fullScreenBand): a front end fits the band and its text again.
inline constexpr unsigned kCaptionChanged = 32u;
// The changes after which the view's words (pictureWords) are due: told
// once it has rested kPictureWordsRestMilliseconds (picturewords.h), the
// wait started over by every such change, so a drag or an animation is not
// read out step by step.
inline constexpr unsigned kPictureWordsDue = kPictureChanged | kControlsChanged | kDragEnded;
// The changes after which the page's address may no longer name the view:
// kAddressRewriteMilliseconds later the page asks addressToWrite().
inline constexpr unsigned kAddressDue = kPictureChanged | kControlsChanged;

// What apply() did: the change bits, and what changed in each picture, so a
// front end shows a change with what it is handed and asks nothing back on
// the way: the drawing area's picture (`area`), and each open scaled view's
// by ScaledView (`beside`), in its own pixels. It reads as the bits.
struct AppliedIntent {
    unsigned changes = 0;
    RedrawnParts redrawn;
    constexpr operator unsigned() const { return changes; }
};
static_assert(kViewsBeside == 2, "a view drawn beside the drawing area for each ScaledView");

class WindowSession {
public:
    explicit WindowSession(PictureBox& area);
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // The start-up sequence (Form1Model::Form_Load).
    void start(Form1LoadWindow& window);

    AppliedIntent apply(const Intent& intent);
    WindowSnapshot snapshot() const;
    // The requests made since the last call, oldest first.
    std::vector<Request> takeRequests();

    // A scaled view of width x height pixels, drawn now (its whole picture
    // reported changed) and with every redraw until it is closed. While "Layar
    // Penuh" is open the drawing area's scaled view waits: it is drawn again
    // when that closes, so a move full screen costs the same at any ratio.
    void openScaledView(ScaledView which, int width, int height);
    // Closed, its memory given back.
    void closeScaledView(ScaledView which);
    // Opened anew at width x height (true), its changes taken, for a front
    // end that then shows it whole; false when it is open at that size.
    bool fitScaledView(ScaledView which, int width, int height);
    // The drawing area shown at width x height device pixels: its own pixels
    // at its own size (the scaled view closed), otherwise the scaled view at
    // that size. True when what is shown is new as a whole, for the front end
    // to show it all.
    bool showDrawingAreaAt(int width, int height);
    bool scaledViewOpen(ScaledView which) const { return scaledView(which).open; }
    PresentationPicture& scaledPicture(ScaledView which) { return scaledView(which).picture; }
    // While the snapshot has a caption, "Layar Penuh"'s picture leaves the
    // band under it free (presentationpicture.h): the picture is as many
    // pixels shorter than the size it was opened at, and the band is found
    // again after every intent, so the picture grows back when the caption
    // goes. Height 0 without a band.
    CaptionBand fullScreenBand() const;

    // The view as the command that opens it again, and as the page's address
    // fragment ("#shape=3&view=…").
    std::string viewCommand() const { return m_model.viewCommand(); }
    // The picture in words (picturewords.h), for a reader who cannot see it;
    // nothing while a drag holds the view, told once it lets go (kDragEnded).
    std::string pictureWords() const;
    // The user asks for less motion: the solid sweeps at its slowest speed.
    void reduceMotion();
    std::string viewAddress() const;
    // The page's address follows the view at most this often, as browsers
    // limit how often a page may rewrite it.
    static constexpr int kAddressRewriteMilliseconds = 300;
    // The address the page is to show now, taken as written; empty while the
    // one it shows names the view (a bare address names the start view, so
    // it stays bare until the view changes) and once the program has ended.
    std::string addressToWrite();
    // The name a shared or copied picture file goes by: the shape's.
    std::string pictureName() const;

    // The refusal of the last OpenAddressIntent, empty when it opened.
    const std::string& addressRefusal() const { return m_addressRefusal; }

    // The menu item a shortcut ("Ctrl+S", "F1") runs, or empty.
    static std::string_view menuItemOfShortcut(std::string_view shortcut);
    // The shortcut a key gives, as the menu table writes it, or empty.
    static std::string shortcutOf(const KeyIntent& key);

    Form1Model& model() { return m_model; }
    const Form1Model& model() const { return m_model; }

private:
    // How the session stood before an intent, to tell what it changed.
    struct Before {
        bool compared = false; // the snapshot was taken
        WindowSnapshot snapshot;
        std::size_t requests = 0;
        unsigned redraws = 0;
        bool held = false;
    };
    Before before(const Intent& intent) const;
    AppliedIntent changesSince(const Before& before, unsigned taken);
    unsigned applyPointer(const PointerEvent& event);
    SourcePoint pointerPosition(const PointerEvent& event) const;
    unsigned applyKey(const KeyIntent& key);
    std::string_view menuOpenedBy(const KeyIntent& key) const;
    unsigned applyMenu(const std::string& item);
    unsigned applyControl(const ControlIntent& control);
    unsigned applyTick();
    unsigned openView(const PictureSettings& settings);
    unsigned openAddress(const std::string& fragment);
    unsigned windowClosed(WindowName window);
    SectionSnapshot sectionSnapshot() const;
    SizeSnapshot sizeSnapshot() const;

    bool runCommand(const std::string& item);
    bool runSwitch(const std::string& item);
    // "Irisan Bidang" or "Ukuran Bangun", from its menu item.
    void openBeside(WindowName which);
    void stopAnimation();
    void request(RequestKind kind, std::string text = {});
    // A dialog the session asked for is open: the window takes no command
    // until it ends.
    void requestDialog(RequestKind kind);

    struct OpenView {
        PresentationPicture picture;
        bool open = false;
        int width = 0; // as opened, the band included
        int height = 0;
        int band = 0;
    };
    OpenView& scaledView(ScaledView which) { return m_scaled[static_cast<std::size_t>(which)]; }
    const OpenView& scaledView(ScaledView which) const { return m_scaled[static_cast<std::size_t>(which)]; }
    void handViewsToModel();
    int bandHeight(ScaledView which, int width, int height) const;
    CaptionBand fullScreenBandOn(int width, int height) const;
    bool fitCaptionBand(RedrawnParts& redrawn);

    Form1Model m_model;
    std::array<OpenView, 2> m_scaled;
    std::vector<Request> m_requests;
    bool m_dialogOpen = false;
    bool m_fullScreen = false;
    bool m_ended = false;
    bool m_pointerHeld = false;
    std::string m_addressRefusal;
    // The view the page's address names; empty after a refused one, which
    // names none.
    std::string m_writtenAddress;
};
