#pragma once
// The start-up sequence's window operations (surface/startup.h) carried out
// on the main window's controls: timers, the two captions, the drawing area's
// size and the shape buttons' places, in twips as the sequence gives them.
//
// It decides nothing about the order or the values; the sequence does. The
// final build goes back to the window's own BuildShapePoints.

#include "surface/startup.h"

class Form1;
struct Form1Controls;

class Form1StartupWindow final : public StartupWindow {
public:
    Form1StartupWindow(const Form1Controls& controls, Form1& form);

    void setTimerInterval(TimerId timer, int milliseconds) override;
    void setTimerEnabled(TimerId timer, bool enabled) override;
    void setLabelCaption(LabelId label, std::string_view caption) override;
    void setPictureHeight(int pixels) override;
    void setPictureWidth(int pixels) override;
    int optionTop(int index) const override;
    void setOptionLeft(int index, int twips) override;
    void setOptionTop(int index, int twips) override;
    void switchOptionOn(int index) override;
    void buildShapePoints() override;

private:
    const Form1Controls& m_controls;
    Form1& m_form;
};
