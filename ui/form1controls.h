#pragma once
// The main window's controls, built: the window's own title, icon, border and
// font; the description box, the perspective, shape and aspect frames, the
// animation buttons and rules, the drawing area, the two timers, the menu
// bar with its bitmaps and the yellow ring that shows the keyboard focus. Each
// control is made from its row in the stored layout (window/form1layout.h):
// kind, object name, caption, colours, font, place, stacking and tab position;
// the menus from window/form1menus.h.
//
// It keeps a pointer to every control the window connects, and carries out
// the start-up sequence's part on them (Form1LoadWindow): the drawing area's
// size and the shape buttons' places, in twips as the sequence gives them;
// the sequence decides the order and the values.
//
// The window owns the controls themselves, and shows what the session says
// by the controls' and the menu items' names. This connects nothing and
// handles no event: what a control does when used is Form1's business.

#include "surface/startup.h"
#include "window/form1model.h"

#include <array>

class AnimationTimer;
class PictureWidget;
class QCheckBox;
class QMainWindow;
class QRadioButton;
class StoredRangeScrollBar;

inline constexpr int kAnimButtonCount = 3;

struct Form1Controls final : Form1LoadWindow {
    // Builds every control into `window`, which must have none yet.
    explicit Form1Controls(QMainWindow& window);

    void setPictureHeight(int pixels) override;
    void setPictureWidth(int pixels) override;
    int firstOptionTop() const override;
    void placeOptions(const OptionColumn& column) override;

    QCheckBox* chkPerspective = nullptr;
    StoredRangeScrollBar* VScroll2 = nullptr;
    std::array<QRadioButton*, kShapeButtonCount> Option1{};
    std::array<QRadioButton*, kAnimButtonCount> optAnim{};
    PictureWidget* picDisplay = nullptr;
    StoredRangeScrollBar* VScroll1 = nullptr;
    // Timer1 and Timer2. Timer1 is started by "Vertikal" (optAnim(0)), yet it
    // steps the horizontal sweep: the pointer moving sideways turns the solid
    // about its vertical axis.
    std::array<AnimationTimer*, 2> timers{};
};
