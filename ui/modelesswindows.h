#pragma once
// Keeps the main window's modeless windows: the five information windows and
// "Petunjuk Penggunaan". A window is loaded on first use (centred on the
// screen) and shown without a modal loop; one that is already loaded,
// visible or hidden, is shown again as it is, never copied. A window that
// closes (its OK, or the close box) is unloaded: forgotten at once and
// destroyed once its close has finished, so the next show makes it afresh
// and centred.
//
// The information windows are shown by the names their layout rows give
// them (InfoWindowLayout::name). How a window behaves inside is InfoWindow's
// and HelpWindow's, both ModelessDialogs (modelessdialog.h).

#include "window/infowindowlayout.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <string_view>

class HelpWindow;
class InfoWindow;
class QWidget;

class ModelessWindows final : public QObject {
    Q_OBJECT
public:
    // The windows belong to `owner` (the main window): they have no task-bar
    // button of their own, share its icon and end with it.
    explicit ModelessWindows(QWidget* owner);

    InfoWindow* show(InfoWindowId id);
    // The information window of that name in its layout row ("frmAbout1").
    void show(std::string_view name);
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
