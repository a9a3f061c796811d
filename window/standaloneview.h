#pragma once
// The drawing area's picture for a given view, made without a window: the
// steps the main window takes for the same shape button, aspect and distance
// scroll bars, perspective box, pointer position and teaching aids, on a
// drawing area of the window's size. The program's command line writes its
// pictures from this.

#include "platform/picturebox.h"
#include "surface/pointgrid.h"
#include "surface/startup.h"
#include "surface/viewstate.h"
#include "view/wireframelines.h"
#include "window/viewsettings.h"

#include <vector>

class StandaloneView {
public:
    explicit StandaloneView(const PictureSettings& settings);
    StandaloneView(const StandaloneView&) = delete;
    StandaloneView& operator=(const StandaloneView&) = delete;

    const PointGrid& grid() const { return m_grid; }
    const ViewState& state() const { return m_state; }
    const PictureBox& area() const { return m_area; }
    // The picture's lines with the settings' teaching aids (picturelines.h):
    // the drawing area's picture is drawn from them.
    const std::vector<WireframePolyline>& pictureLines() const { return m_lines; }

private:
    PointGrid m_grid;
    ViewState m_state;
    PictureBox m_area;
    std::vector<WireframePolyline> m_lines;
};
