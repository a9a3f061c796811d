#pragma once
// A front end for Form1Model's start-up with nothing but a drawing area and
// fifteen shape buttons, for the tests that drive the model without a window.

#include "platform/picturebox.h"
#include "window/form1model.h"

class PlainWindow final : public Form1LoadWindow {
public:
    explicit PlainWindow(PictureBox& area)
        : m_area(area)
    {
    }
    void setPictureHeight(int pixels) override { m_area.setHeight(pixels); }
    void setPictureWidth(int pixels) override { m_area.setWidth(pixels); }
    int firstOptionTop() const override { return 300; }
    void placeOptions(const OptionColumn&) override { }

private:
    PictureBox& m_area;
};
