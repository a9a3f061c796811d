#pragma once
// A view opened without a window: the window's model (form1model.h) on a
// drawing area of its own, started as the window starts and then opened on
// the settings as the window opens on a lesson's view, so that its picture,
// its lines and its section are the window's for that view. The command line
// writes its pictures from it.

#include "platform/picturebox.h"
#include "window/form1model.h"
#include "window/viewsettings.h"

// The start-up's window operations with nothing but the drawing area: its
// size goes to the area, and the shape buttons start where the layout puts
// them; the column the start-up lines them up in is kept for a front end
// that shows them (the page).
class AreaLoadWindow final : public Form1LoadWindow {
public:
    explicit AreaLoadWindow(PictureBox& area)
        : m_area(area)
    {
    }
    void setPictureHeight(int pixels) override { m_area.setHeight(pixels); }
    void setPictureWidth(int pixels) override { m_area.setWidth(pixels); }
    int firstOptionTop() const override;
    void placeOptions(const OptionColumn& column) override { m_column = column; }
    const OptionColumn& column() const { return m_column; }

private:
    PictureBox& m_area;
    OptionColumn m_column{};
};

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
