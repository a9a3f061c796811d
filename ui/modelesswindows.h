#pragma once
// Keeps the main window's five information windows. show() loads a window on
// first use (centred on the screen) and shows it without a modal loop; a
// window that is already loaded, visible or hidden, is shown again as it is,
// never copied. A window that closes (its about-window OK or the close box)
// is unloaded: forgotten at once and destroyed, so the next show() makes it
// afresh and centred.
//
// It does not decide which command opens which window (the main window's
// menu handlers do) nor how a window behaves inside (InfoWindow).

#include "view/infowindowlayout.h"

#include <QObject>
#include <QPointer>

#include <array>

class InfoWindow;
class QWidget;

class InfoWindows final : public QObject {
    Q_OBJECT
public:
    // The windows belong to `owner` (the main window): they have no task-bar
    // button of their own, share its icon and end with it.
    explicit InfoWindows(QWidget* owner);

    InfoWindow* show(InfoWindowId id);
    // The loaded window, or nullptr when it is not loaded.
    InfoWindow* window(InfoWindowId id) const;

private:
    InfoWindow* load(InfoWindowId id);
    void unload(InfoWindowId id);

    QWidget* m_owner;
    std::array<QPointer<InfoWindow>, kInfoWindowCount> m_windows{};
};
