#pragma once
// The program's own rich texts (the help) as a tree of elements and text,
// for a front end that builds them element by element instead of handing
// markup to an HTML engine: the page never inserts the help as live markup,
// so nothing in it could ever run.
//
// Only the few elements the help is written with are known (headings,
// paragraphs, lists, a table, bold and code); their attributes are dropped,
// the entities the help uses are decoded to UTF-8 and runs of white space
// become one space, as a browser would show them. Anything else is a fault
// of the text, reported rather than passed on.

class JsonWriter;

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RichNode {
    std::string tag;                // empty for a run of text
    std::string text;               // the run's text, decoded
    std::vector<RichNode> children; // an element's content
};

// The elements a rich text may hold, as lower-case tag names.
bool isRichTextTag(std::string_view tag);

// `markup` as the children of a root element "div". Nothing when the markup
// holds an unknown element or entity, or its elements do not nest.
std::optional<RichNode> parseRichText(std::string_view markup);

// The tree as the next JSON value of `json`: an element as
// {"tag": "p", "children": [...]}, a run of text as a string.
void writeRichText(JsonWriter& json, const RichNode& node);
