#pragma once
// The drawing area's picture for a given view, made without a window: the
// steps the main window takes for the same shape button, aspect and distance
// scroll bars, perspective box and pointer position, on a drawing area of the
// window's size. The program's command line writes its pictures from this.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/startup.h"
#include "surface/viewstate.h"

struct PictureSettings {
    int shapeIndex = 0;    // 0..14, the shape buttons
    float pointerX = 0.0f; // pointer over the drawing area, interior pixels
    float pointerY = 0.0f;
    bool perspective = false;
    int perspectiveDistance = StartupDefaults::kPerspectiveScrollValue; // 100..350
    int aspectTenths = StartupDefaults::kAspectTenths;                  // 0..16, tenths of the stretch factor
};

class StandaloneView {
public:
    explicit StandaloneView(const PictureSettings& settings);
    StandaloneView(const StandaloneView&) = delete;
    StandaloneView& operator=(const StandaloneView&) = delete;

    const PointGrid& grid() const { return m_grid; }
    const ViewState& state() const { return m_state; }
    const PictureBox& area() const { return m_area; }

private:
    PointGrid m_grid;
    ViewState m_state;
    PictureBox m_area;
};
