#include "ui/animationtimer.h"

#include <algorithm>

AnimationTimer::AnimationTimer(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // A tick already queued when the timer was switched off is dropped.
        if (m_enabled)
            emit tick();
    });
}

int AnimationTimer::effectiveInterval() const
{
    return tickInterval(m_interval);
}

void AnimationTimer::setInterval(int milliseconds)
{
    m_interval = std::max(0, milliseconds);
    restart();
}

void AnimationTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void AnimationTimer::restart()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(effectiveInterval());
    else
        m_timer.stop();
}
