#pragma once
// A view opened without a window: the window's model (form1model.h) on a
// drawing area of its own, started as the window starts and then opened on
// the settings as the window opens on a lesson's view, so that its picture,
// its lines and its section are the window's for that view. The command line
// writes its pictures from it.

#include "platform/picturebox.h"
#include "window/form1model.h"
#include "window/viewsettings.h"

class OpenedView {
public:
    explicit OpenedView(const PictureSettings& settings);
    OpenedView(const OpenedView&) = delete;
    OpenedView& operator=(const OpenedView&) = delete;

    const Form1Model& model() const { return m_model; }

private:
    PictureBox m_area;
    Form1Model m_model{m_area};
};
