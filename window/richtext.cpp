#include "window/richtext.h"

#include "window/jsonwriter.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::string_view, 12> kTags
    = {"h2", "h3", "p", "ul", "ol", "li", "b", "i", "code", "table", "tr", "td"};
// Elements whose text runs between their children are only layout.
constexpr std::array<std::string_view, 5> kContainers = {"div", "ul", "ol", "table", "tr"};

struct Entity {
    std::string_view name;
    std::string_view text;
};
constexpr std::array<Entity, 7> kEntities{{
    {"quot", "\""},
    {"amp", "&"},
    {"lt", "<"},
    {"gt", ">"},
    {"nbsp", "\xc2\xa0"},
    {"rarr", "\xe2\x86\x92"},   // →
    {"hellip", "\xe2\x80\xa6"}, // …
}};

template <std::size_t N> bool listed(const std::array<std::string_view, N>& names, std::string_view name)
{
    for (const std::string_view known : names) {
        if (known == name)
            return true;
    }
    return false;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

class RichTextReader {
public:
    explicit RichTextReader(std::string_view markup)
        : m_markup(markup)
    {
        m_open.push_back(RichNode{"div", {}, {}});
    }

    std::optional<RichNode> read()
    {
        while (m_at < m_markup.size()) {
            const bool read = m_markup[m_at] == '<' ? element() : m_markup[m_at] == '&' ? entity() : text();
            if (!read)
                return std::nullopt;
        }
        endText();
        if (m_open.size() != 1)
            return std::nullopt;
        return std::move(m_open.front());
    }

private:
    // "<b>" opens, "</b>" closes; attributes are passed over.
    bool element()
    {
        const std::size_t end = m_markup.find('>', m_at);
        if (end == std::string_view::npos)
            return false;
        std::string_view inside = m_markup.substr(m_at + 1, end - m_at - 1);
        m_at = end + 1;
        const bool closing = inside.starts_with('/');
        if (closing)
            inside.remove_prefix(1);
        std::size_t nameEnd = 0;
        while (nameEnd < inside.size() && !isSpace(inside[nameEnd]))
            ++nameEnd;
        const std::string_view tag = inside.substr(0, nameEnd);
        if (!isRichTextTag(tag))
            return false;
        endText();
        return closing ? close(tag) : (m_open.push_back(RichNode{std::string(tag), {}, {}}), true);
    }

    bool close(std::string_view tag)
    {
        if (m_open.size() < 2 || m_open.back().tag != tag)
            return false;
        RichNode done = std::move(m_open.back());
        m_open.pop_back();
        m_open.back().children.push_back(std::move(done));
        return true;
    }

    bool entity()
    {
        const std::size_t end = m_markup.find(';', m_at);
        if (end == std::string_view::npos)
            return false;
        const std::string_view name = m_markup.substr(m_at + 1, end - m_at - 1);
        for (const Entity& known : kEntities) {
            if (known.name == name) {
                m_text += known.text;
                m_at = end + 1;
                return true;
            }
        }
        return false;
    }

    // Runs of white space are one space, as a browser shows them.
    bool text()
    {
        const char c = m_markup[m_at++];
        if (!isSpace(c))
            m_text += c;
        else if (m_text.empty() || m_text.back() != ' ')
            m_text += ' ';
        return true;
    }

    void endText()
    {
        const bool onlySpace = m_text.find_first_not_of(' ') == std::string::npos;
        if (!m_text.empty() && !(onlySpace && listed(kContainers, m_open.back().tag)))
            m_open.back().children.push_back(RichNode{{}, std::move(m_text), {}});
        m_text.clear();
    }

    std::string_view m_markup;
    std::size_t m_at = 0;
    std::string m_text;
    std::vector<RichNode> m_open;
};

} // namespace

bool isRichTextTag(std::string_view tag)
{
    return listed(kTags, tag);
}

std::optional<RichNode> parseRichText(std::string_view markup)
{
    return RichTextReader(markup).read();
}

void writeRichText(JsonWriter& json, const RichNode& node)
{
    if (node.tag.empty()) {
        json.value(node.text);
        return;
    }
    json.beginObject().field("tag", node.tag).key("children").beginArray();
    for (const RichNode& child : node.children)
        writeRichText(json, child);
    json.endArray().endObject();
}
