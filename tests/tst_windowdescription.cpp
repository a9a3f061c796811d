// The window description the page reads: well-formed JSON throughout, strings
// escaped, and a few values checked where a wrong unit or a lost member would
// show (pixels, not twips; the menu tree; the information windows).

#include "window/helptext.h"
#include "window/jsonwriter.h"
#include "window/richtext.h"
#include "window/scrollbarmoves.h"
#include "window/snapshotjson.h"
#include "window/windowdescription.h"
#include "window/windowplacement.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace {

// A strict reader of JSON's grammar that only says whether `text` is one
// well-formed value with nothing after it.
class JsonChecker {
public:
    explicit JsonChecker(std::string_view text)
        : m_text(text)
    {
    }

    bool wellFormed() { return value() && (skipSpace(), m_at == m_text.size()); }

private:
    void skipSpace()
    {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at])))
            ++m_at;
    }
    bool take(char c)
    {
        skipSpace();
        if (m_at < m_text.size() && m_text[m_at] == c)
            return ++m_at, true;
        return false;
    }
    bool string()
    {
        if (!take('"'))
            return false;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            if (static_cast<unsigned char>(m_text[m_at]) < 0x20)
                return false;
            m_at += m_text[m_at] == '\\' ? 2 : 1;
        }
        return take('"');
    }
    bool literal()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size()
               && std::string_view("-+.eE0123456789truefalsn").find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
        return m_at > start;
    }
    template <class Member> bool sequence(char close, Member member)
    {
        if (take(close))
            return true;
        do {
            if (!member())
                return false;
        } while (take(','));
        return take(close);
    }
    bool value()
    {
        skipSpace();
        if (take('{'))
            return sequence('}', [this] { return string() && take(':') && value(); });
        if (take('['))
            return sequence(']', [this] { return value(); });
        return m_text.substr(m_at, 1) == "\"" ? string() : literal();
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

bool wellFormed(std::string_view text)
{
    return JsonChecker(text).wellFormed();
}

} // namespace

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharactersAndPassesUtf8)
{
    EXPECT_EQ(jsonString("a\"b\\c\n\x01"), R"j("a\"b\\c\u000a\u0001")j");
    EXPECT_EQ(jsonString("Ekspor Gambar\xe2\x80\xa6"), "\"Ekspor Gambar\xe2\x80\xa6\"");

    JsonWriter json;
    json.beginObject().field("n", 1).field("size", 8.25).key("list").beginArray();
    json.value(true).beginObject().endObject().beginArray().endArray().value("x");
    json.endArray().endObject();
    EXPECT_EQ(json.text(), R"j({"n":1,"size":8.25,"list":[true,{},[],"x"]})j");
}

TEST(WindowDescription, IsOneWellFormedDocumentWithTheWindowInPixels)
{
    const std::string json = windowDescriptionJson();
    ASSERT_TRUE(wellFormed(json));
    EXPECT_FALSE(wellFormed(json + "}")) << "the checker must refuse what is not JSON";

    const auto has = [&json](std::string_view part) { return json.find(part) != std::string::npos; };
    EXPECT_TRUE(has(R"j("window":{"name":"Form1","caption":"RUVEX Display 3D")j"));
    EXPECT_TRUE(has(R"j("width":559,"height":511,"backColor":"#000000")j"));
    EXPECT_TRUE(has(R"j("name":"picDisplay","kind":"pictureBox","container":"",)j"
                    R"j("rect":{"x":152,"y":104,"width":400,"height":402},"tabIndex":0)j"));
    EXPECT_TRUE(
        has(R"j("kind":"checkBox","container":"","rect":{"x":8,"y":96,"width":133,"height":25},)j"
            R"j("tabIndex":2,"caption":"Perbesar/Perkecil","foreColor":"#ffff00","backColor":"#000000")j"));
    EXPECT_TRUE(has(R"j("name":"Option1(7)","kind":"optionButton","container":"Frame1")j"));
    EXPECT_TRUE(has(R"j("range":{"min":350,"max":100,"smallChange":10,"largeChange":10,"value":150})j"));
    // Read by a screen reader where the stored caption says nothing.
    EXPECT_TRUE(has(R"j("tabIndex":29,"caption":"Text1","accessibleName":"Definisi")j"));
    EXPECT_TRUE(has(R"j("name":"Line1","rect":{"x":8,"y":375,"width":128,"height":2},"color":"#ffffff")j"));

    // What the window shows whole: the first seven shape buttons, not the
    // ones its frame cuts off (a narrow page leaves those out).
    const auto clipped = [&json](std::string_view name) {
        const std::size_t at = json.find("\"name\":\"" + std::string(name) + '"');
        return json.substr(json.find("\"clipped\":", at) + 10, 4) == "true";
    };
    EXPECT_FALSE(clipped("Option1(6)"));
    EXPECT_TRUE(clipped("Option1(7)")) << "two pixels of it show";
    EXPECT_TRUE(clipped("VScroll1")) << "in the six-pixel aspect frame";
    EXPECT_FALSE(clipped("picDisplay"));
}

// The page calls what these name: each control's handler, by the model's
// name, and a member of an array with its index.
TEST(WindowDescription, NamesTheHandlerOfEveryControlThatRunsOne)
{
    const std::string json = windowDescriptionJson();
    // The control's members, up to the next control.
    const auto members = [&json](std::string_view name) {
        const std::size_t at = json.find("{\"name\":\"" + std::string(name) + '"');
        return json.substr(at, json.find("{\"name\":", at + 1) - at);
    };
    const std::pair<std::string_view, std::string_view> lastMembers[] = {
        {"Option1(3)", R"j("array":"Option1","index":3,"handler":"Option1_Click"})j"},
        {"optAnim(2)", R"j("array":"optAnim","index":2,"handler":"optAnim_Click"})j"},
        {"chkPerspective", R"j("clipped":false,"handler":"chkPerspective_Click"})j"},
        {"VScroll1", R"j("orientation":"vertical","handler":"VScroll1_Change"})j"},
        {"VScroll2", R"j("orientation":"vertical","handler":"VScroll2_Change"})j"},
        {"hsbKemiringan", R"j("handler":"hsbKemiringan_Change"})j"},
        {"chkBidang", R"j("handler":"chkBidang_Click"})j"},
    };
    for (const auto& [name, end] : lastMembers)
        EXPECT_NE(members(name).find(end), std::string::npos) << members(name);
    for (const std::string_view name : {"Label1", "Frame1", "picDisplay", "Text1"})
        EXPECT_EQ(members(name).find("handler"), std::string::npos) << name;
}

TEST(WindowDescription, HoldsTheMenuTreeAndEveryOtherWindow)
{
    const std::string json = windowDescriptionJson();
    const auto has = [&json](std::string_view part) { return json.find(part) != std::string::npos; };
    EXPECT_TRUE(has(R"j("menus":[{"name":"mF","kind":"menu","caption":"&Spasiologi","items":[)j"
                    R"j({"name":"mnuSave","kind":"item","caption":"Save Gambar","shortcut":"Ctrl+S")j"));
    EXPECT_TRUE(has(R"j("name":"mnuKecepatan","kind":"menu","caption":"&Kecepatan Rotasi","items":[)j"
                    R"j({"name":"mnuSpeed(0)","kind":"item","caption":"&Lambat","shortcut":"",)j"
                    R"j("checkable":true,"checked":false,"exclusive":true})j"));
    EXPECT_TRUE(has(R"j("checked":true,"exclusive":true}]},{"name":"mnuFullScreen")j"))
        << "the submenu closes before the next item";
    EXPECT_TRUE(has(R"j({"name":"Mnuchar2","kind":"separator"},{"name":"MnuInfodancredit")j"));
    // What the program keeps in English is marked so, and only that.
    EXPECT_TRUE(
        has(R"j("caption":"&Help","lang":"en","items")j") && has(R"j("caption":"Contact","lang":"en",)j")
        && has(R"j("caption":"Contact Me","lang":"en",)j") && has(R"j("caption":"Wheel","lang":"en",)j"));
    EXPECT_EQ(json.find(R"j("caption":"Info","lang")j"), std::string::npos);
    EXPECT_TRUE(has(R"j({"name":"frmAbout","menuItem":"MnuFungsi","caption":"Fungsi RUVEX Display 3D",)j"
                    R"j("width":401,"height":394,"backColor":"#ffffff","picture":"aboutback.bmp")j"));
    EXPECT_TRUE(
        has(R"j({"name":"Line1(1)","rect":{"x":8,"y":392,"width":370,"height":1},"color":"#808080"})j"));
    EXPECT_TRUE(
        has(R"j("helpWindow":{"name":"frmPetunjuk","caption":"Petunjuk Penggunaan RUVEX Display 3D")j"));
    EXPECT_TRUE(has(R"j("document":{"tag":"div","children":[)j"
                    R"j({"tag":"h2","children":["Petunjuk Penggunaan RUVEX Display 3D"]},)j"))
        << "the help as elements, the layout's white space between them dropped";
    EXPECT_FALSE(has("<h2>") || has("&quot;")) << "no markup reaches the page";
}

// The help is read element by element: what the page builds must be what the
// text says, and anything outside the few known elements is refused whole.
TEST(RichText, ReadsTheKnownElementsAndRefusesAnythingElse)
{
    const auto document = parseRichText("<p>Menu <b>Spasiologi</b> &rarr; &quot;Save&quot;\n  Gambar</p>\n"
                                        "<table cellpadding=\"3\"><tr><td>F1</td></tr></table>");
    ASSERT_TRUE(document);
    ASSERT_EQ(document->children.size(), 2u) << "the new line between the blocks is not text";
    const RichNode& paragraph = document->children[0];
    ASSERT_EQ(paragraph.children.size(), 3u);
    EXPECT_EQ(paragraph.children[0].text, "Menu ");
    EXPECT_EQ(paragraph.children[1].tag, "b");
    EXPECT_EQ(paragraph.children[2].text, " \u2192 \"Save\" Gambar");
    EXPECT_EQ(document->children[1].children[0].children[0].children[0].text, "F1");

    for (const char* refused : {"<script>alert(1)</script>", "<p onclick=x>a</p><img src=x>", "<p>a</b>",
                                "<p>a", "a &copy; b", "<p>a</p></p>", "<b>a"})
        EXPECT_FALSE(parseRichText(refused)) << refused;
    EXPECT_TRUE(parseRichText(kHelpText)) << "the program's own help always reads";
}

// What each element shows: the greyed check box, the chosen buttons and the
// ticked speed by their own names, the section's elements only while shown.
TEST(ElementStates, NameEachElementWithWhatItShows)
{
    WindowSnapshot s;
    s.shape = 3;
    s.animButton = 2;
    s.perspective = 2;
    s.speed = 1;
    s.axes = true;
    s.aspectTenths = 15;
    s.distance = 200;
    const std::string json = elementStatesJson(s);
    const auto has = [&](std::string_view part) { return json.find(part) != std::string::npos; };
    EXPECT_TRUE(has(R"j("chkPerspective":{"checked":false,"indeterminate":true})j"));
    EXPECT_TRUE(has(R"j("Option1(3)":{"checked":true})j") && has(R"j("Option1(0)":{"checked":false})j"));
    EXPECT_TRUE(has(R"j("optAnim(2)":{"checked":true})j") && has(R"j("optAnim(0)":{"checked":false})j"));
    EXPECT_TRUE(has(R"j("mnuSpeed(1)":{"checked":true})j") && has(R"j("mnuSpeed(0)":{"checked":false})j"));
    EXPECT_TRUE(has(R"j("mnuAxes":{"checked":true},"mnuDragToTurn":{"checked":false})j"));
    EXPECT_FALSE(has("hsbJarak"));
    EXPECT_TRUE(has(R"j("valueText":"Aspek 1,5")j")) << json;
    EXPECT_TRUE(has(R"j("valueText":"Jarak Pandang 200")j"));
    s.section = {true, 45, 30, false, "45", "30", "bangun", "irisan"};
    EXPECT_NE(elementStatesJson(s).find(R"j("chkBidang":{"checked":false},"txtBangun":{"value":"bangun"})j"),
              std::string::npos);
    s.sizes.shown = true;
    s.sizes.notice = "tanpa jaring";
    EXPECT_NE(elementStatesJson(s).find(R"j("lblCatatan":{"text":"tanpa jaring","hidden":false})j"),
              std::string::npos);
}

// Beside the main window where the screen has room, else below it, else
// narrowed in the strip right of the picture, else left of it.
TEST(WindowPlacement, BesideThenBelowThenNarrowed)
{
    const PlacementRect main{8, 8, 600, 500}, picture{200, 60, 400, 400}, size{0, 0, 300, 200};
    const WindowPlacement right = placeBeside(main, picture, size, {0, 0, 1366, 768});
    EXPECT_EQ(std::tuple(right.x, right.y, right.narrowed), std::tuple(616.0, 8.0, false));
    const WindowPlacement below = placeBeside(main, picture, size, {0, 0, 800, 900});
    EXPECT_EQ(std::tuple(below.x, below.y, below.narrowed), std::tuple(8.0, 516.0, false));
    const WindowPlacement narrow = placeBeside(main, picture, size, {0, 0, 800, 600});
    EXPECT_EQ(std::tuple(narrow.x, narrow.y, narrow.narrowed, narrow.width),
              std::tuple(616.0, 8.0, true, 176.0));
    // A window that cannot be that narrow: left of the main one, else not placed.
    const PlacementRect mainRight{400, 0, 560, 500}, pictureRight{600, 100, 300, 300};
    const WindowPlacement left = placeBeside(mainRight, pictureRight, size, {0, 0, 1000, 600}, 300);
    EXPECT_EQ(std::tuple(left.x, left.y, left.placed), std::tuple(92.0, 8.0, true));
    EXPECT_FALSE(placeBeside(main, picture, size, {0, 0, 800, 600}, 300).placed);
}

// Up is towards Min on either bar, within the range; a dragged thumb rounds
// half up.
TEST(ScrollBarMoves, UpIsTowardsMinOnEitherBar)
{
    const ScrollRange aspect{1, 20, 1, 5, 10}, distance{350, 100, 10, 50, 200};
    EXPECT_EQ(movedValue(aspect, 10, ScrollMove::LineUp), 9);
    EXPECT_EQ(movedValue(distance, 200, ScrollMove::LineUp), 210);
    EXPECT_EQ(movedValue(distance, 200, ScrollMove::PageDown), 150);
    EXPECT_EQ(movedValue(distance, 320, ScrollMove::PageUp), 350);
    EXPECT_EQ(movedValue(aspect, 3, ScrollMove::PageUp), 1);
    EXPECT_EQ(movedValue(distance, 200, ScrollMove::Top), 350);
    EXPECT_EQ(valueAtFraction(distance, 0.5), 225);
    EXPECT_EQ(valueAtFraction(aspect, 0.5), 11) << "10.5 rounds up";
    EXPECT_DOUBLE_EQ(thumbFraction(distance, 100), 1.0);
    EXPECT_EQ(scrollMoveOfKey({.key = KeyName::Left}), ScrollMove::LineUp) << "left, as up, towards Min";
    EXPECT_EQ(scrollMoveOfKey({.key = KeyName::End}), ScrollMove::Bottom);
    EXPECT_EQ(scrollMoveOfKey({.key = KeyName::Escape}), std::nullopt);
    for (const KeyIntent held :
         {KeyIntent{.key = KeyName::End, .ctrl = true}, KeyIntent{.key = KeyName::End, .alt = true},
          KeyIntent{.key = KeyName::End, .meta = true}})
        EXPECT_EQ(scrollMoveOfKey(held), std::nullopt) << "a shortcut of the window, not the bar's";
}
