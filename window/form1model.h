#pragma once
// The main window without a window: the view variables, the point grid, the
// drawing area's picture and the state of the controls that change them (the
// shape buttons, the animation buttons and their two timers, the perspective
// box, the aspect and distance scroll bars, the speed menu), with the rules
// that tie them together. The desktop window and the browser page both drive
// this one class through the window's session (window/windowsession.h),
// which turns their intents into these calls.
//
// The one road to a picture: every change of view ends in picDisplay_MouseMove,
// which stores the position, projects the grid and draws the wireframe into
// the drawing area's picture, then tells the listener.
//
// It owns no timer: the session says when the front end's timer runs and
// calls Timer1_Timer or Timer2_Timer on each tick. It draws into a PictureBox
// that the front end owns and shows.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/startup.h"
#include "surface/viewstate.h"
#include "view/picturelines.h"
#include "view/pictureoptions.h"
#include "view/scaledwireframe.h"
#include "view/wireframelines.h"
#include "window/keycodes.h"
#include "window/sectionwindowlayout.h"
#include "window/sizewindowlayout.h"
#include "window/viewsettings.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The animation buttons optAnim(0..2).
inline constexpr int kAnimVertical = 0;
inline constexpr int kAnimHorizontal = 1;
inline constexpr int kAnimStop = 2;

// The front end's part of the start-up sequence: the size of its drawing area
// (outer pixels; the area's picture follows it) and the places of its shape
// buttons, in twips within their frame (StartupWindow's operations of the
// same names).
class Form1LoadWindow {
public:
    virtual ~Form1LoadWindow() = default;
    virtual void setPictureHeight(int pixels) = 0;
    virtual void setPictureWidth(int pixels) = 0;
    virtual int firstOptionTop() const = 0;
    virtual void placeOptions(const OptionColumn& column) = 0;
};

// "Ukuran Bangun"'s controls: its bars' values and the choice of π, kept
// while the window is closed.
struct SizeWindowValues {
    int radius = SizeWindowLayout::kRadius.start;
    int height = SizeWindowLayout::kHeight.start;
    int netPercent = SizeWindowLayout::kNet.start;
    SchoolPi pi = SchoolPi::TwentyTwoSevenths;
    friend bool operator==(const SizeWindowValues&, const SizeWindowValues&) = default;
};

class Form1Model {
public:
    explicit Form1Model(PictureBox& area);
    Form1Model(const Form1Model&) = delete;
    Form1Model& operator=(const Form1Model&) = delete;

    // Called after every redraw, once the picture holds the new view.
    void setRedrawListener(std::function<void()> listener) { m_redrawn = std::move(listener); }
    // How many redraws there have been: a caller sees whether its calls
    // redrew without being called back.
    unsigned redrawCount() const { return m_redrawCount; }
    // The views every redraw draws beside the drawing area, from the same
    // lines (the session's open scaled views).
    void drawViewsBeside(const ViewsBeside& views) { m_viewsBeside = views; }
    // What the redraws changed in each picture since the last call.
    RedrawnParts takeRedrawnParts() { return std::exchange(m_redrawnParts, RedrawnParts{}); }

    // The start-up sequence: defaults, timers off, captions, the drawing area
    // of 400 × 400 pixels, the shape buttons laid out, "Bola" chosen and drawn.
    void Form_Load(Form1LoadWindow& window);

    // The handlers' rules, named after the events that run them.
    void Option1_Click(int index);
    void optAnim_Click(int index);
    // 0 unticked, 1 ticked, 2 greyed. Sets the flag only: no redraw.
    void chkPerspective_Click(int value);
    // The scroll bars' values: tenths of the aspect factor, the distance.
    void VScroll1_Change(int tenths);
    void VScroll2_Change(int distance);
    void Timer1_Timer();
    void Timer2_Timer();
    void picDisplay_MouseMove(float x, float y);
    // A pointer move as the front end reports it, with the buttons held
    // (1 left, 2 right, 4 middle). Without "Putar dengan Menyeret" it is the
    // redraw entry itself; with it, only a drag with the left button turns the
    // solid, by the drag's travel from where it started, and a move without
    // a button changes nothing.
    void pointerMoved(int buttons, float x, float y);
    void picDisplay_MouseDown(int button, float x, float y);
    void picDisplay_MouseUp(int button, float x, float y);
    // "Putar dengan Menyeret", off at start.
    void setDragToTurn(bool on);
    bool dragToTurn() const { return m_dragToTurn; }
    // "Garis Belakang Putus-putus" and "Sumbu Koordinat", off at start. A
    // change redraws the view where it stands.
    void setPictureOptions(const PictureOptions& options);
    PictureOptions pictureOptions() const;
    // "Irisan Bidang": opening its window shows a plane section with the
    // picture, at the bars' last values (their start values at first);
    // closing it takes the section away. The bars and the box change the
    // section where it stands, each with a redraw. Opened on a solid still
    // at its first position (0, 0), where every section of θ = 0 looks like
    // a line, it turns the solid to the oblique view the worksheets use; a
    // view turned to is kept.
    void mnuIrisan_Click();
    void frmIrisan_Unload();
    void hsbKemiringan_Change(int degrees);
    void hsbJarak_Change(int distance);
    // The buttons "−" and "+" beside the bars: the bar moved by `steps`
    // small changes within its range, as if it were moved there.
    void hsbKemiringan_Step(int steps);
    void hsbJarak_Step(int steps);
    // The plane's outline shown for any value but 0 (unticked).
    void chkBidang_Click(int value);
    // "Ukuran Bangun" (form1sizes.cpp): opening its window closes "Irisan
    // Bidang" and draws the chosen shape as the school solid with the bars'
    // sizes, when it is the bola, setengah bola, kerucut or tabung (for any
    // other shape nothing changes); closing it brings the program's own
    // solid back. It turns a solid still at (0, 0) as "Irisan Bidang" does.
    // The bars and the choice of π (0: 22/7, 1: 3,14) change it where it
    // stands. "Irisan Bidang" opened closes it.
    void mnuUkuran_Click();
    void frmUkuran_Unload();
    void hsbJariJari_Change(int radius);
    void hsbTinggi_Change(int height);
    void hsbJaring_Change(int percent);
    void optPi_Click(int index);
    // The buttons "−" and "+" beside the bars, as the section window's.
    void hsbJariJari_Step(int steps);
    void hsbTinggi_Step(int steps);
    void hsbJaring_Step(int steps);
    bool sizesShown() const { return m_sizesShown; }
    const SizeWindowValues& sizeValues() const { return m_sizes; }
    // The school solid drawn: while the window is open on one of the four
    // shapes. Its net stays closed for the bola and setengah bola.
    std::optional<SchoolSolid> schoolSolid() const;
    // Its worked numbers, each line ending in a line break; empty without one.
    std::string sizeNumbersText() const;
    bool sectionShown() const { return m_sectionShown; }
    // The bars' and the box's values, shown or not.
    const SectionView& sectionView() const { return m_section; }
    // The current solid's section by the bars' plane: worked out once per
    // shape, aspect and plane, and shared by the window's texts and the
    // picture.
    const PlaneSection& planeSection() const;
    // Opens on a view noted earlier (the command line's, the page's
    // address): the shape, aspect, distance and perspective chosen as their
    // controls would, the aids set, then the pointer position drawn.
    void openView(const PictureSettings& settings);
    // The current view as such settings, the pointer brought within the
    // drawing area (viewsettings.h), and as the command that opens it again:
    // what "Salin Kode Tampilan" copies.
    PictureSettings viewSettings() const;
    std::string viewCommand() const;
    // The lines of the picture shown, for the pictures made at other sizes.
    // Made once per view: the redraw and every picture made from the same
    // view share them. Valid until the next call that changes the view.
    const std::vector<WireframePolyline>& pictureLines() const;
    // The arrow keys turn the solid (Shift: ten steps) and Home goes back to
    // the start view. False for any other key, which changes nothing.
    bool picDisplay_KeyDown(int keyCode, int shift);
    void mnuHome_Click();
    void mnuSpeed_Click(int index);

    void BuildShapePoints();
    void CalculateScreenPoints(float x, float y);

    // What the front ends show. The shape button chosen, the perspective
    // box, the distance and the aspect are the view's own variables, read
    // back in the controls' units.
    const ViewState& viewState() const { return m_view; }
    const PointGrid& pointGrid() const { return m_grid; }
    const PictureBox& area() const { return m_area; }
    const std::string& description() const { return m_description; }
    const std::string& aspectCaption() const { return m_aspectCaption; }
    const std::string& distanceCaption() const { return m_distanceCaption; }
    int shapeIndex() const { return m_view.ShapeIndex; }
    int animButton() const { return m_animButton; }
    bool timer1Enabled() const { return m_timer1; }
    bool timer2Enabled() const { return m_timer2; }
    int timerInterval() const { return m_timerInterval; }
    int perspectiveBox() const { return m_view.PerspectiveFlag; }
    // The distance only counts, and can only be changed, while the box is
    // ticked; greyed (2) it counts as off for the projection, yet the bar
    // stays enabled.
    bool distanceBarEnabled() const { return m_view.PerspectiveFlag != 0; }
    int aspectTenths() const { return tenthsOfAspectFactor(m_view.AspectFactor); }
    int distance() const { return static_cast<int>(m_view.PerspectiveDistance); }
    // The "Kecepatan Rotasi" item the sweep's step size is; -1 for none.
    int speedIndex() const;

private:
    struct Drag {
        float pointerX = 0.0f; // where the left button went down
        float pointerY = 0.0f;
        float viewX = 0.0f; // the stored position at that moment
        float viewY = 0.0f;
    };

    class Startup;

    void redrawWhereItStands();
    ViewProjection projectionAt(float x, float y) const;
    void redrawForOpenedWindow();
    void takeOptions(const PictureOptions& options);
    void showSection();
    void takeSchoolSolid(const PictureSettings& settings);
    void showSizes();

    PictureBox& m_area;
    ViewState m_view;
    PointGrid m_grid;
    std::function<void()> m_redrawn;
    unsigned m_redrawCount = 0;
    ViewsBeside m_viewsBeside{};
    RedrawnParts m_redrawnParts;

    std::string m_description;
    std::string m_aspectCaption;
    std::string m_distanceCaption;
    int m_animButton = -1; // none chosen yet
    bool m_timer1 = false;
    bool m_timer2 = false;
    int m_timerInterval = 0;
    bool m_dragToTurn = false;
    PictureOptions m_aids; // the teaching aids; the section is m_section while shown
    bool m_sectionShown = false;
    SectionView m_section{{SectionWindowLayout::kTilt.start, SectionWindowLayout::kDistance.start}, true};
    bool m_sizesShown = false;
    SizeWindowValues m_sizes;
    std::optional<Drag> m_drag;
    mutable PictureLinesMemo m_lines;
};
