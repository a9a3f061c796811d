#include "window/keynames.h"

#include <array>
#include <cctype>

namespace {

struct NamedKey {
    std::string_view name;
    KeyName key;
};
constexpr std::array kNamedKeys = {
    NamedKey{"ArrowLeft", KeyName::Left},   NamedKey{"ArrowUp", KeyName::Up},
    NamedKey{"ArrowRight", KeyName::Right}, NamedKey{"ArrowDown", KeyName::Down},
    NamedKey{"Left", KeyName::Left},        NamedKey{"Up", KeyName::Up},
    NamedKey{"Right", KeyName::Right},      NamedKey{"Down", KeyName::Down},
    NamedKey{"Home", KeyName::Home},        NamedKey{"End", KeyName::End},
    NamedKey{"PageUp", KeyName::PageUp},    NamedKey{"PageDown", KeyName::PageDown},
    NamedKey{"Escape", KeyName::Escape},    NamedKey{"F1", KeyName::F1},
    NamedKey{"F10", KeyName::F10},          NamedKey{"F11", KeyName::F11},
    NamedKey{"Tab", KeyName::Tab},
};

} // namespace

KeyIntent keyIntentNamed(std::string_view name)
{
    KeyIntent key;
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name.front()))) {
        key.key = KeyName::Character;
        key.character = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
        return key;
    }
    for (const NamedKey& named : kNamedKeys)
        if (named.name == name)
            key.key = named.key;
    return key;
}
