#pragma once
// One element of the windows shown as the session's snapshot has it
// (window/elementstates.h): a text box its text, a label its caption, a check
// box ticked or greyed, a button chosen, a menu item ticked, a bar its value,
// with its words for a screen reader or the value beside it. Shown without
// reporting it back: a control's use is the user's alone.

class QObject;
struct ElementState;

void showElementState(QObject& element, const ElementState& state);
