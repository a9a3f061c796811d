#pragma once
// The main window's controls, built: the window's own title, icon, border and
// font; the description box, the perspective, shape and aspect frames, the
// animation buttons and rules, the drawing area, the two timers, the menu
// bar with its bitmaps and the yellow ring that shows the keyboard focus. Each
// control is made from its row in the stored layout (window/form1layout.h):
// kind, object name, caption, colours, font, place, stacking and tab position;
// the menus from window/form1menus.h.
//
// It keeps a pointer to every control the handlers use; the window owns the
// controls themselves. It connects nothing and handles no event: what a
// control does when used is Form1's business.

#include "surface/startup.h"

#include <array>

class AnimationTimer;
class PictureWidget;
class QAction;
class QCheckBox;
class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QRadioButton;
class StoredRangeScrollBar;

inline constexpr int kAnimButtonCount = 3;
inline constexpr int kSpeedItemCount = 3;

struct Form1Controls {
    // Builds every control into `window`, which must have none yet.
    explicit Form1Controls(QMainWindow& window);

    QPlainTextEdit* Text1 = nullptr;
    QCheckBox* chkPerspective = nullptr;
    StoredRangeScrollBar* VScroll2 = nullptr;
    QLabel* LabPerspec = nullptr;
    std::array<QRadioButton*, kShapeButtonCount> Option1{};
    std::array<QRadioButton*, kAnimButtonCount> optAnim{};
    PictureWidget* picDisplay = nullptr;
    StoredRangeScrollBar* VScroll1 = nullptr;
    QLabel* LabAspect = nullptr;
    // Started by "Vertikal" (optAnim(0)), yet it steps the horizontal sweep:
    // the pointer moving sideways turns the solid about its vertical axis.
    AnimationTimer* Timer1 = nullptr;
    AnimationTimer* Timer2 = nullptr;

    // The menu commands the window connects; the information windows' items
    // are found by name from their layout rows (ModelessWindows), and
    // separators and the menus themselves need no handle.
    QAction* mnuSave = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuCopyPicture = nullptr;
    QAction* mnuCopyViewCode = nullptr;
    // Switches: "Garis Belakang Putus-putus", "Sumbu Koordinat", "Putar
    // dengan Menyeret".
    QAction* mnuBackLines = nullptr;
    QAction* mnuAxes = nullptr;
    QAction* mnuDragToTurn = nullptr;
    // "Irisan Bidang…", which opens the section window.
    QAction* mnuIrisan = nullptr;
    QAction* mnuFullScreen = nullptr;
    QAction* mnuHome = nullptr;
    // "Lambat", "Sedang", "Cepat", the sizes of surface/animation.h's kSweepSpeeds.
    std::array<QAction*, kSpeedItemCount> mnuSpeed{};
    QAction* mnuExit = nullptr;
    QAction* MnuPetunjuk = nullptr;
};
