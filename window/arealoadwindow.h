#pragma once
// The start-up's window operations with nothing but the drawing area, for a
// session started without a window of the toolkit's: the command line's,
// the page's (whose markup holds the controls), a test's.

#include "platform/picturebox.h"
#include "window/form1model.h"

// The drawing area's size goes to the area, and the shape buttons start where
// the layout puts them; the column the start-up lines them up in is kept for
// a front end that shows them (the page).
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
