#pragma once
// Keeps the main window's modeless windows: the five information windows and
// "Petunjuk Penggunaan". A window is loaded on first use (centred on the
// screen) and shown without a modal loop; one that is already loaded,
// visible or hidden, is shown again as it is, never copied. A window that
// closes (its OK, or the close box) is unloaded: forgotten at once and
// destroyed once its close has finished, so the next show makes it afresh
// and centred.
//
// The information windows open from the menu items their layout rows name
// (InfoWindowLayout::menuItem). How a window behaves inside is InfoWindow's
// and HelpWindow's, both ModelessDialogs (modelessdialog.h).

#include "window/infowindowlayout.h"

#include <QObject>
#include <QPointer>

#include <array>

class HelpWindow;
class InfoWindow;
class QWidget;

class ModelessWindows final : public QObject {
    Q_OBJECT
public:
    // The windows belong to `owner` (the main window): they have no task-bar
    // button of their own, share its icon and end with it.
    explicit ModelessWindows(QWidget* owner);

    // Connects each information window's menu item, found among the owner's
    // actions by name, to showing that window.
    void connectMenuItems();

    InfoWindow* show(InfoWindowId id);
    HelpWindow* showHelp();
    // The loaded window, or nullptr when it is not loaded.
    InfoWindow* window(InfoWindowId id) const;
    HelpWindow* helpWindow() const;

private:
    template <typename Window, typename Make> Window* showKept(QPointer<Window>& kept, Make make);

    QWidget* m_owner;
    std::array<QPointer<InfoWindow>, kInfoWindowCount> m_windows{};
    QPointer<HelpWindow> m_help;
};
