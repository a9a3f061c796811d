#pragma once
// A window timer as the handlers know it: an interval in milliseconds, an
// enabled flag and a tick.
//
// The stored interval is honoured down to a floor of kMinimumTickMs. The
// handlers ask for 1 ms, the shortest non-zero interval, and the platform they
// were tuned on delivered window-timer ticks about every 15.6 ms; a true 1 ms
// tick would spin a solid about 37 turns a second. 15 ms keeps the speed the
// animation was designed for, and a precise timer keeps it the same on every
// platform instead of depending on a coarse system timer.

#include "surface/animation.h"

#include <QObject>
#include <QTimer>

class AnimationTimer final : public QObject {
    Q_OBJECT
public:
    explicit AnimationTimer(QObject* parent = nullptr);

    void setInterval(int milliseconds);
    int interval() const { return m_interval; }
    int effectiveInterval() const;

    // An interval of 0 keeps the timer from ticking even when enabled.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

signals:
    void tick();

private:
    void restart();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};
