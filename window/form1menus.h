#pragma once
// The main window's menu bar as one flat table, in the order the entries
// appear: level 0 is a menu on the bar, level 1 an entry in it, level 2 an
// entry of a submenu. Captions carry their & mnemonic; shortcuts are written
// as the desktop shows them ("Ctrl+S"). The exclusive checkable items under
// one menu are one group, of which one is checked; the others are switches. Both front ends build their menus
// from these rows; what a command does is not here.

#include "window/sectionwindowlayout.h"
#include "window/sizewindowlayout.h"

#include <array>
#include <string_view>

enum class MenuEntryKind { Menu, Item, Separator };

struct MenuEntry {
    int level = 0;
    MenuEntryKind kind = MenuEntryKind::Item;
    std::string_view name; // "mnuSpeed(2)" for member 2 of the array mnuSpeed
    std::string_view caption;
    std::string_view shortcut;
    bool checkable = false;
    bool checked = false;
    bool exclusive = false;
    // Only the page offers it (sharing through the browser); the desktop
    // window's menu leaves it out.
    bool pageOnly = false;
};

namespace Form1Menus {

inline constexpr int kMaxLevel = 2;

constexpr MenuEntry menu(int level, std::string_view name, std::string_view caption)
{
    return {level, MenuEntryKind::Menu, name, caption, {}};
}

constexpr MenuEntry item(int level, std::string_view name, std::string_view caption,
                         std::string_view shortcut = {})
{
    return {level, MenuEntryKind::Item, name, caption, shortcut};
}

constexpr MenuEntry separator(int level, std::string_view name)
{
    return {level, MenuEntryKind::Separator, name, {}, {}};
}

// "Kecepatan Rotasi": the sizes of surface/animation.h's kSweepSpeeds;
// "Cepat" is checked as the sweep starts at that speed.
constexpr MenuEntry speedItem(std::string_view name, std::string_view caption, bool checked)
{
    return {2, MenuEntryKind::Item, name, caption, {}, true, checked, true};
}

// An item only the page has.
constexpr MenuEntry pageItem(std::string_view name, std::string_view caption)
{
    return {1, MenuEntryKind::Item, name, caption, {}, false, false, false, true};
}

// A switch, off at start: the teaching aids and "Putar dengan Menyeret".
constexpr MenuEntry switchItem(std::string_view name, std::string_view caption)
{
    return {1, MenuEntryKind::Item, name, caption, {}, true, false, false};
}

inline constexpr std::array kEntries = {
    menu(0, "mF", "&Spasiologi"),
    item(1, "mnuSave", "Save Gambar", "Ctrl+S"),
    // Ends in an ellipsis, "…", given as its UTF-8 bytes: the command asks first.
    item(1, "mnuExport", "Ekspor Gambar\xe2\x80\xa6", "Ctrl+E"),
    item(1, "mnuCopyPicture", "Salin &Gambar", "Ctrl+C"),
    pageItem("mnuShare", "&Bagikan Gambar"),
    item(1, "mnuCopyViewCode", "Salin Kode Tampi&lan"),
    separator(1, "mnuSepView"),
    item(1, "mnuHome", "&Tampilan Awal", "Home"),
    menu(1, "mnuKecepatan", "&Kecepatan Rotasi"),
    speedItem("mnuSpeed(0)", "&Lambat", false),
    speedItem("mnuSpeed(1)", "&Sedang", false),
    speedItem("mnuSpeed(2)", "&Cepat", true),
    item(1, "mnuFullScreen", "Layar Penuh", "F11"),
    separator(1, "mnuSepAids"),
    switchItem("mnuBackLines", "Garis Belakang &Putus-putus"),
    switchItem("mnuAxes", "Sumbu K&oordinat"),
    item(1, SectionWindowLayout::kMenuItem, "&Irisan Bidang\xe2\x80\xa6"),
    item(1, SizeWindowLayout::kMenuItem, "&Ukuran Bangun\xe2\x80\xa6"),
    switchItem("mnuDragToTurn", "Putar dengan &Menyeret"),
    separator(1, "zbrk"),
    item(1, "mnuExit", "Tutup Program", "Ctrl+Q"),

    menu(0, "MnunInformasi", "&Informasi Display RUVEX"),
    item(1, "MnuFungsi", "Fungsi"),
    item(1, "MnuSasaran", "Sasaran "),
    separator(1, "Mnuchar"),
    item(1, "MnuTerimakasih", "Ucapan Terimakasih"),

    menu(0, "MnuHelputama", "&Help"),
    item(1, "MnuPetunjuk", "&Petunjuk Penggunaan", "F1"),
    separator(1, "Mnuchar1"),
    item(1, "Mnu", "Contact"),
    separator(1, "Mnuchar2"),
    item(1, "MnuInfodancredit", "Info"),
};

// Every entry sits in a menu one level up, or is a menu on the bar.
static_assert(
    [] {
        int deepestMenu = -1;
        for (const MenuEntry& entry : kEntries) {
            if (entry.level > deepestMenu + 1 || entry.level > kMaxLevel)
                return false;
            if (entry.kind != MenuEntryKind::Menu && entry.level == 0)
                return false;
            // An item closes any submenu deeper than its own menu.
            deepestMenu = entry.kind == MenuEntryKind::Menu ? entry.level : entry.level - 1;
        }
        return true;
    }(),
    "every menu entry has a menu above it");

} // namespace Form1Menus
