#include "window/commandlineparser.h"

#include "export/escapedtext.h"
#include "export/savetexts.h"
#include "window/commandlinetexts.h"

#include <algorithm>

namespace {

// The option a name typed after the dashes ("h", "help", "shape") belongs to.
const CommandLineOption* optionNamed(std::string_view typed)
{
    for (const CommandLineOption& option : commandLineOptions()) {
        if (typed == option.name || (!option.shortName.empty() && typed == option.shortName))
            return &option;
    }
    return nullptr;
}

bool takesValue(const CommandLineOption& option)
{
    return !option.valueName.empty();
}

std::string longForm(std::string_view name)
{
    return "--" + std::string(name);
}

// The length of the character at `at`, a stray byte counting as one.
std::size_t letterLength(std::string_view word, std::size_t at)
{
    return std::max<std::size_t>(utf8SequenceLength(word, at), 1);
}

class Parser {
public:
    Parser(const ArgumentList& words, std::string_view program)
        : m_words(words)
        , m_program(program)
    {
    }

    ParsedArguments run()
    {
        bool plainOnly = false;
        for (m_at = 1; m_at < m_words.size(); ++m_at) {
            const std::string& word = m_words[m_at];
            if (plainOnly || word == "-" || word.empty() || word[0] != '-')
                m_parsed.plain.push_back(word);
            else if (word == "--")
                plainOnly = true;
            else if (word[1] == '-')
                readLong(word);
            else
                readShorts(word);
        }
        if (m_failed)
            m_parsed.refusal = failure();
        return m_parsed;
    }

private:
    // Registers the option typed as `name`: false when there is none.
    bool found(std::string_view name)
    {
        const CommandLineOption* option = optionNamed(name);
        if (option)
            m_parsed.given.push_back({option, {}});
        else
            m_unknown.emplace_back(name);
        return option != nullptr;
    }

    // "--name", "--name=value".
    void readLong(const std::string& word)
    {
        const std::string_view name = std::string_view(word).substr(2, word.find('=') - 2);
        if (!found(name) || !readValue(word))
            m_failed = true;
    }

    // "-h", "-hq", "-sVALUE": each letter an option until one takes the rest
    // of the word as its value, or an "=" follows a switch.
    void readShorts(const std::string& word)
    {
        std::size_t length = 0;
        bool known = false;
        for (std::size_t at = 1; at < word.size(); at += length) {
            length = letterLength(word, at);
            known = found(std::string_view(word).substr(at, length));
            if (!known) {
                m_failed = true;
                continue;
            }
            const std::size_t next = at + length;
            if (takesValue(*m_parsed.given.back().option)) {
                if (next < word.size()) {
                    m_parsed.given.back().value = word.substr(next + (word[next] == '=' ? 1 : 0));
                    return;
                }
                break;
            }
            if (next < word.size() && word[next] == '=')
                break;
        }
        if (known && !readValue(word))
            m_failed = true;
    }

    // The value of the option just found in `word`: after its "=", or the
    // next word. False when it is missing, or given to a switch.
    bool readValue(const std::string& word)
    {
        ParsedArguments::Given& given = m_parsed.given.back();
        const std::size_t equals = word.find('=');
        if (!takesValue(*given.option))
            return equals == std::string::npos;
        if (equals != std::string::npos) {
            given.value = word.substr(equals + 1);
            return true;
        }
        if (++m_at >= m_words.size())
            return false;
        given.value = m_words[m_at];
        return true;
    }

    std::string fillIn(std::string_view pattern, std::string_view first, std::string_view second = {}) const
    {
        return SaveTexts::fillIn(pattern, first, second);
    }

    std::string failure() const
    {
        using namespace CommandLineTexts;
        if (!m_unknown.empty())
            return fillIn(kUnknownOption, typedOption(m_words, m_unknown.front(), valueOptionNames()),
                          m_program);
        const std::string last = m_words.size() > 1 ? m_words.back() : std::string();
        for (const CommandLineOption& option : commandLineOptions()) {
            if (takesValue(option) && last == longForm(option.name))
                return fillIn(kMissingValue, last, option.range);
        }
        for (std::size_t at = 1; at < m_words.size(); ++at) {
            const std::string_view word = m_words[at];
            const std::string_view typed = word.substr(0, word.find('='));
            const CommandLineOption* option = typed.size() > 2 ? optionNamed(typed.substr(2)) : nullptr;
            if (typed.size() < word.size() && option && !takesValue(*option)
                && typed == longForm(option->name))
                return fillIn(kSwitchGivenValue, typed);
        }
        return fillIn(kUnreadable, m_program);
    }

    const ArgumentList& m_words;
    std::string_view m_program;
    std::size_t m_at = 1;
    ParsedArguments m_parsed;
    std::vector<std::string> m_unknown;
    bool m_failed = false;
};

} // namespace

bool ParsedArguments::isSet(std::string_view name) const
{
    return std::any_of(given.begin(), given.end(),
                       [name](const Given& one) { return one.option->name == name; });
}

std::string ParsedArguments::value(std::string_view name) const
{
    const auto last = std::find_if(given.rbegin(), given.rend(),
                                   [name](const Given& one) { return one.option->name == name; });
    return last == given.rend() ? std::string() : last->value;
}

ParsedArguments parseArguments(const ArgumentList& arguments, std::string_view program)
{
    return Parser(arguments, program).run();
}

std::vector<std::string> valueOptionNames()
{
    std::vector<std::string> names;
    for (const CommandLineOption& option : commandLineOptions()) {
        if (takesValue(option))
            names.emplace_back(option.name);
    }
    return names;
}
