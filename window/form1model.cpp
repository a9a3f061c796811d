#include "window/form1model.h"

#include "surface/animation.h"
#include "surface/shapecatalogue.h"
#include "view/picturelines.h"
#include "view/projection.h"
#include "view/scaledwireframe.h"
#include "window/intents.h"
#include "window/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// An arrow key moves the stored position by one step of the sweep at its start
// speed; with Shift, by ten.
constexpr float kKeyStep = StartupDefaults::kAnimStep;
constexpr float kShiftKeyStep = 10 * kKeyStep;

static_assert(kSweepSpeeds.back() == StartupDefaults::kAnimStep, "the sweep starts at its fastest speed");

} // namespace

// The start-up sequence's window operations, carried out on the model and, for
// the drawing area's size and the shape buttons' places, on the front end.
class Form1Model::Startup final : public StartupWindow {
public:
    Startup(Form1Model& model, Form1LoadWindow& window)
        : m_model(model)
        , m_window(window)
    {
    }

    void setTimerInterval(TimerId, int milliseconds) override { m_model.m_timerInterval = milliseconds; }
    void setTimerEnabled(TimerId timer, bool enabled) override
    {
        (timer == TimerId::Timer1 ? m_model.m_timer1 : m_model.m_timer2) = enabled;
    }
    void setLabelCaption(LabelId label, std::string_view caption) override
    {
        (label == LabelId::LabAspect ? m_model.m_aspectCaption : m_model.m_distanceCaption) = caption;
    }
    void setPictureHeight(int pixels) override { m_window.setPictureHeight(pixels); }
    void setPictureWidth(int pixels) override { m_window.setPictureWidth(pixels); }
    int firstOptionTop() const override { return m_window.firstOptionTop(); }
    void placeOptions(const OptionColumn& column) override { m_window.placeOptions(column); }
    // The button on is the shape the sequence has just chosen.
    void switchOptionOn(int) override { }
    void buildShapePoints() override { m_model.BuildShapePoints(); }

private:
    Form1Model& m_model;
    Form1LoadWindow& m_window;
};

Form1Model::Form1Model(PictureBox& area)
    : m_area(area)
{
}

void Form1Model::Form_Load(Form1LoadWindow& window)
{
    Startup startup(*this, window);
    runStartupSequence(m_view, m_grid, startup);
}

void Form1Model::Option1_Click(int index)
{
    m_view.ShapeIndex = index;
    BuildShapePoints();
}

void Form1Model::BuildShapePoints()
{
    if (const auto description = fillShapePoints(m_grid, m_view))
        m_description = *description;
    m_view.MouseX = 0.0f;
    m_view.MouseY = 0.0f;
    picDisplay_MouseMove(m_view.MouseX, m_view.MouseY);
}

void Form1Model::picDisplay_MouseMove(float x, float y)
{
    m_view.MouseX = x;
    m_view.MouseY = y;
    // One projection makes the screen points and gives the lines their
    // depths, and one run draws every picture of the view from the lines.
    const ViewProjection projection = projectionAt(x, y);
    projectGridPoints(m_grid, projection);
    redrawViews(m_lines.lines(m_grid, m_view, projection, pictureOptions()), m_area, m_viewsBeside,
                m_redrawnParts);
    ++m_redrawCount;
    if (m_redrawn)
        m_redrawn();
}

// The redraw entry at the stored position: the view as it stands, drawn
// again after a change that leaves the position alone.
void Form1Model::redrawWhereItStands()
{
    picDisplay_MouseMove(m_view.MouseX, m_view.MouseY);
}

void Form1Model::pointerMoved(int buttons, float x, float y)
{
    if (!m_dragToTurn) {
        picDisplay_MouseMove(x, y);
        return;
    }
    if (!m_drag || (buttons & kLeftButton) == 0)
        return;
    // The hover rule, relative: the travel since the press, in pointer pixels,
    // moves the stored position as far as a pointer move would.
    picDisplay_MouseMove(movedWithinSweep(m_drag->viewX, x - m_drag->pointerX),
                         movedWithinSweep(m_drag->viewY, y - m_drag->pointerY));
}

void Form1Model::picDisplay_MouseDown(int button, float x, float y)
{
    if (m_dragToTurn && button == kLeftButton)
        m_drag = Drag{x, y, m_view.MouseX, m_view.MouseY};
}

void Form1Model::picDisplay_MouseUp(int button, float, float)
{
    if (button == kLeftButton)
        m_drag.reset();
}

void Form1Model::setDragToTurn(bool on)
{
    m_dragToTurn = on;
    m_drag.reset();
}

void Form1Model::setPictureOptions(const PictureOptions& options)
{
    takeOptions(options);
    redrawWhereItStands();
}

void Form1Model::takeOptions(const PictureOptions& options)
{
    m_aids = {options.dashedBackLines, options.axes, std::nullopt};
    m_sectionShown = options.section.has_value();
    if (options.section)
        m_section = *options.section;
}

PictureOptions Form1Model::pictureOptions() const
{
    PictureOptions options = m_aids;
    if (m_sectionShown)
        options.section = m_section;
    options.schoolSolid = schoolSolid();
    return options;
}

// Which school solid is drawn is part of what every redraw shows, so it is
// decided beside the options; its bars are "Ukuran Bangun"'s (form1sizes.cpp).
std::optional<SchoolSolid> Form1Model::schoolSolid() const
{
    const int shape = m_view.ShapeIndex;
    if (!m_sizesShown || !hasSchoolSolid(shape))
        return std::nullopt;
    return SchoolSolid{shape, m_sizes.radius, m_sizes.height,
                       hasSchoolHeight(shape) ? m_sizes.netPercent : 0};
}

void Form1Model::mnuIrisan_Click()
{
    m_sectionShown = true;
    m_sizesShown = false;
    redrawForOpenedWindow();
}

// Opened on a solid still at its first position (0, 0), seen exactly from
// the side, "Irisan Bidang" and "Ukuran Bangun" turn it to the worksheets'
// oblique view; elsewhere the view stays where it stands.
void Form1Model::redrawForOpenedWindow()
{
    if (m_view.MouseX == 0.0f && m_view.MouseY == 0.0f)
        picDisplay_MouseMove(SectionWindowLayout::kOpeningViewX, SectionWindowLayout::kOpeningViewY);
    else
        redrawWhereItStands();
}

// The section at the bars' values, the view where it stands.
void Form1Model::showSection()
{
    redrawWhereItStands();
}

void Form1Model::frmIrisan_Unload()
{
    m_sectionShown = false;
    redrawWhereItStands();
}

void Form1Model::hsbKemiringan_Change(int degrees)
{
    m_section.plane.tiltDegrees = degrees;
    if (sectionShown())
        showSection();
}

void Form1Model::hsbJarak_Change(int distance)
{
    m_section.plane.distance = distance;
    if (sectionShown())
        showSection();
}

void Form1Model::hsbKemiringan_Step(int steps)
{
    hsbKemiringan_Change(
        SectionWindowLayout::steppedValue(SectionWindowLayout::kTilt, m_section.plane.tiltDegrees, steps));
}

void Form1Model::hsbJarak_Step(int steps)
{
    hsbJarak_Change(
        SectionWindowLayout::steppedValue(SectionWindowLayout::kDistance, m_section.plane.distance, steps));
}

void Form1Model::chkBidang_Click(int value)
{
    m_section.outline = value != 0;
    if (sectionShown())
        showSection();
}

const PlaneSection& Form1Model::planeSection() const
{
    return m_lines.section(m_view, m_section.plane);
}

void Form1Model::openView(const PictureSettings& settings)
{
    takeOptions(settings.options);
    takeSchoolSolid(settings);
    chkPerspective_Click(settings.perspective ? 1 : 0);
    VScroll2_Change(settings.perspectiveDistance);
    VScroll1_Change(settings.aspectTenths);
    // The shape button's click builds the grid last, with all of the above.
    Option1_Click(settings.shapeIndex);
    picDisplay_MouseMove(settings.pointerX, settings.pointerY);
}

PictureSettings Form1Model::viewSettings() const
{
    PictureSettings settings;
    settings.shapeIndex = m_view.ShapeIndex;
    settings.pointerX = static_cast<float>(equivalentPointerPosition(m_view.MouseX));
    settings.pointerY = static_cast<float>(equivalentPointerPosition(m_view.MouseY));
    settings.perspective = m_view.PerspectiveFlag == 1;
    settings.perspectiveDistance = distance();
    settings.aspectTenths = aspectTenths();
    settings.options = pictureOptions();
    if (settings.options.schoolSolid)
        settings.pi = m_sizes.pi;
    return settings;
}

std::string Form1Model::viewCommand() const
{
    return "ruvex3d " + viewOptionsText(viewSettings());
}

const std::vector<WireframePolyline>& Form1Model::pictureLines() const
{
    return m_lines.lines(m_grid, m_view, projectionAt(m_view.MouseX, m_view.MouseY), pictureOptions());
}

ViewProjection Form1Model::projectionAt(float x, float y) const
{
    return ViewProjection(projectionSettings(m_area, m_view), x, y);
}

void Form1Model::CalculateScreenPoints(float x, float y)
{
    projectGridPoints(m_grid, projectionAt(x, y));
}

bool Form1Model::picDisplay_KeyDown(int keyCode, int shift)
{
    if (keyCode == kKeyHome) {
        mnuHome_Click();
        return true;
    }
    const float step = (shift & kShiftMask) != 0 ? kShiftKeyStep : kKeyStep;
    float x = m_view.MouseX;
    float y = m_view.MouseY;
    if (keyCode == kKeyLeft || keyCode == kKeyRight)
        x = movedWithinSweep(x, keyCode == kKeyLeft ? -step : step);
    else if (keyCode == kKeyUp || keyCode == kKeyDown)
        y = movedWithinSweep(y, keyCode == kKeyUp ? -step : step);
    else
        return false;
    picDisplay_MouseMove(x, y);
    return true;
}

void Form1Model::mnuHome_Click()
{
    picDisplay_MouseMove(0.0f, 0.0f);
}

// The sweep keeps its direction; only the size of its step changes.
void Form1Model::mnuSpeed_Click(int index)
{
    setSweepSpeed(m_view, kSweepSpeeds.at(static_cast<std::size_t>(index)));
}

void Form1Model::optAnim_Click(int index)
{
    m_animButton = index;
    // The chosen direction toggles, so a second click on a running direction
    // stops it; the other direction always stops. At most one timer runs.
    switch (index) {
    case kAnimVertical:
        // Named for the axis it turns about: Timer1 sweeps X, so "Vertikal" runs it.
        m_timer1 = !m_timer1;
        m_timer2 = false;
        break;
    case kAnimHorizontal:
        m_timer2 = !m_timer2;
        m_timer1 = false;
        break;
    default:
        m_timer1 = false;
        m_timer2 = false;
        break;
    }
}

void Form1Model::chkPerspective_Click(int value)
{
    m_view.PerspectiveFlag = value;
    // No redraw: the next pointer move or tick shows the new projection.
}

void Form1Model::VScroll1_Change(int tenths)
{
    m_view.AspectFactor = aspectFactorOfTenths(tenths);
    m_aspectCaption = ::aspectCaption(m_view.AspectFactor);
    BuildShapePoints();
}

void Form1Model::VScroll2_Change(int distance)
{
    m_view.PerspectiveDistance = static_cast<float>(distance);
    m_distanceCaption = ::distanceCaption(m_view.PerspectiveDistance);
    BuildShapePoints();
}

// "Vertikal" starts Timer1, whose tick sweeps the stored X: the pointer moving
// sideways turns the solid about its vertical axis.
void Form1Model::Timer1_Timer()
{
    stepHorizontalSweep(m_view);
    redrawWhereItStands();
}

void Form1Model::Timer2_Timer()
{
    stepVerticalSweep(m_view);
    redrawWhereItStands();
}

// The speed is the size of the sweep's steps, whichever way they go.
int Form1Model::speedIndex() const
{
    const float speed = std::fabs(m_view.AnimStepX);
    const auto found = std::find(kSweepSpeeds.begin(), kSweepSpeeds.end(), speed);
    return found == kSweepSpeeds.end() ? -1 : static_cast<int>(found - kSweepSpeeds.begin());
}
