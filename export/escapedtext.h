#pragma once
// How text the user gave (a name, an option's value, a page address) is
// shown inside one of the program's messages: every character that would
// change how the message looks instead of showing in it is written as an
// escape, so a message stays one line and reads in its own order. Those are
// the control characters (C0, DEL, C1), the line and paragraph separators
// (U+2028, U+2029) and the text-direction controls (U+202A to U+202E, U+2066
// to U+2069, and the marks U+200E, U+200F and U+061C), which would show the
// rest of a line reversed or a name as another. The command line, the window's message boxes and the page all
// show text through here; names holding any of them are refused
// (export/savetarget.h).
//
// Plain UTF-8 text work.

#include <cstddef>
#include <string>
#include <string_view>

// Length of the UTF-8 sequence at `at`, 0 when the bytes there are none: no
// overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

enum class ControlCharacter {
    None,
    Control,       // C0, DEL, C1, U+2028, U+2029
    TextDirection, // U+202A..U+202E, U+2066..U+2069, U+200E, U+200F, U+061C
};

// The kind of the first character of `text` that escapedControls escapes;
// bytes that are not UTF-8 are not counted.
ControlCharacter firstControlCharacter(std::string_view text);

// `text` with each of those characters written as an escape: \n, \r, \t,
// \e, \x7F, \x85, \u2028, \u202E; a byte that is not part of valid UTF-8 as
// \xNN too. Everything else stays as it is.
std::string escapedControls(std::string_view text);

// "«text»", escaped: how a name stands out from the sentence around it.
std::string quotedName(std::string_view text);

// True when `text` leaves no mark: every character in it is a space, a
// blank or filler (U+00A0, U+3000, U+2800, U+115F, ...), a formatting
// character that shows nothing (U+200B, U+034F, U+FE0F, U+FEFF, ...) or a
// control. True for an empty text; bytes that are not UTF-8 count as marks.
bool showsNothing(std::string_view text);

// quotedName, with every character that leaves no mark but the plain space
// written as an escape too (\u200B), so that a name of such characters can
// be read in the message that refuses it.
std::string quotedBlankName(std::string_view text);
