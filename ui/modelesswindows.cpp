#include "ui/infowindows.h"

#include "ui/centring.h"
#include "ui/infowindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

std::size_t slot(InfoWindowId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace

InfoWindows::InfoWindows(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
{
}

InfoWindow* InfoWindows::window(InfoWindowId id) const
{
    return m_windows[slot(id)];
}

InfoWindow* InfoWindows::show(InfoWindowId id)
{
    InfoWindow* target = window(id);
    const bool firstShow = !target;
    if (firstShow)
        target = load(id);
    showModeless(*target, firstShow, m_owner);
    return target;
}

InfoWindow* InfoWindows::load(InfoWindowId id)
{
    auto* created = new InfoWindow(InfoWindowLayouts::layoutOf(id), m_owner);
    // Moving it also keeps QDialog from centring it over the main window.
    centreOnScreen(*created, m_owner);
    connect(created, &InfoWindow::unloaded, this, [this, id] { unload(id); });
    m_windows[slot(id)] = created;
    return created;
}

void InfoWindows::unload(InfoWindowId id)
{
    InfoWindow* closing = window(id);
    if (!closing)
        return;
    // Forgotten now, destroyed once its close has finished: a command that
    // arrives in between makes a new window instead of showing this one.
    m_windows[slot(id)] = nullptr;
    closing->deleteLater();
}
