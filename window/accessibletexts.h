#pragma once
// What a screen reader says of the main window where the stored captions
// tell a student nothing: the definition box captioned "Text1", the frames
// without a caption, the scroll bars and the drawing area; and a bar's value
// in words ("Aspek 1,0", "Jarak Pandang 200"). The same on the desktop and
// the page. UTF-8, Indonesian.

#include <string>
#include <string_view>

// The name read for the control `name`; empty where its caption serves.
std::string_view accessibleName(std::string_view control);

// The label that names the group `control` belongs to where the window
// shows the group's name as a label above its members rather than as a
// frame's caption ("Rotasi Bangun" over the rotation buttons); empty for a
// control in no such group.
std::string_view groupLabel(std::string_view control);

// A scroll bar's value as read with its name: "Aspek 1,0", "Jarak Pandang
// 200"; empty for a control that is no bar of the main window.
std::string barValueText(std::string_view control, int value);

// Tenths (never negative) as a decimal with its comma: 15 → "1,5".
std::string tenthsText(int tenths);

// "en" for a caption the program keeps wholly in English ("Help", "Contact
// Me", the shape buttons its frame cuts off), so that a screen reader reads
// it as English; empty for the program's Indonesian. A mnemonic's "&" is
// passed over.
std::string_view captionLanguage(std::string_view caption);
