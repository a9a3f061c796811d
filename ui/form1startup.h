#pragma once
// The front end's part of the start-up sequence carried out on the main
// window's controls: the drawing area's size and the shape buttons' places,
// in twips as the sequence gives them.
//
// It decides nothing about the order or the values; the sequence does.

#include "window/form1model.h"

struct Form1Controls;

class Form1StartupWindow final : public Form1LoadWindow {
public:
    explicit Form1StartupWindow(const Form1Controls& controls);

    void setPictureHeight(int pixels) override;
    void setPictureWidth(int pixels) override;
    int firstOptionTop() const override;
    void placeOptions(const OptionColumn& column) override;

private:
    const Form1Controls& m_controls;
};
