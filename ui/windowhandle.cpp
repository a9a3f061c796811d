#include "ui/windowhandle.h"

#include <QObject>
#include <QPointer>

#include <vector>

using ruvex::win::HWND;

namespace {

// Handle n is entry n - 1. A program has a handful of windows, so a linear
// search for the reverse direction is plenty.
std::vector<QPointer<QObject>>& handleTable()
{
    static std::vector<QPointer<QObject>> table;
    return table;
}

} // namespace

HWND hWndOf(QObject* window)
{
    if (!window)
        return 0;
    auto& table = handleTable();
    for (std::size_t n = 0; n < table.size(); ++n) {
        if (table[n] == window)
            return static_cast<HWND>(n + 1);
    }
    table.emplace_back(window);
    return static_cast<HWND>(table.size());
}

QObject* windowOf(HWND handle)
{
    const auto& table = handleTable();
    if (handle <= 0 || static_cast<std::size_t>(handle) > table.size())
        return nullptr;
    return table[static_cast<std::size_t>(handle) - 1].data();
}
