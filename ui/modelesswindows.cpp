#include "ui/modelesswindows.h"

#include "ui/centring.h"
#include "ui/helpwindow.h"
#include "ui/infowindow.h"
#include "ui/qtext.h"

#include <QWidget>

ModelessWindows::ModelessWindows(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void ModelessWindows::show(std::string_view name)
{
    for (const InfoWindowLayout& layout : InfoWindowLayouts::kWindows)
        if (layout.name == name)
            show(layout.id);
}

InfoWindow* ModelessWindows::window(InfoWindowId id) const
{
    return m_windows[static_cast<std::size_t>(id)];
}

HelpWindow* ModelessWindows::helpWindow() const
{
    return m_help;
}

InfoWindow* ModelessWindows::show(InfoWindowId id)
{
    return showKept(m_windows[static_cast<std::size_t>(id)],
                    [this, id] { return new InfoWindow(InfoWindowLayouts::layoutOf(id), m_owner); });
}

HelpWindow* ModelessWindows::showHelp()
{
    return showKept(m_help, [this] { return new HelpWindow(m_owner); });
}

template <typename Window, typename Make> Window* ModelessWindows::showKept(QPointer<Window>& kept, Make make)
{
    const bool firstShow = !kept;
    if (firstShow) {
        Window* created = make();
        // Moving it also keeps QDialog from centring it over the main window.
        centreOnScreen(*created, m_owner);
        // Forgotten now, destroyed once its close has finished: a command
        // that arrives in between makes a new window instead of showing this.
        connect(created, &Window::unloaded, this, [&kept, created] {
            if (kept == created)
                kept = nullptr;
            created->deleteLater();
        });
        kept = created;
    }
    showModeless(*kept, firstShow, m_owner);
    return kept;
}
