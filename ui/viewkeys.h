#pragma once
// Turning the solid from the keyboard: a key moves the stored pointer
// position as a pointer move would. The arrow keys step it by kViewKeyStep
// pixels of the drawing area (Shift: kViewKeyBigStep), left and up towards
// smaller values; Home goes back to (0, 0), the view after choosing a shape.
//
// Whoever handles the key sends the new position down the one redraw road,
// Form1::picDisplay_MouseMove.

#include <QPointF>

#include <optional>

class QKeyEvent;

inline constexpr double kViewKeyStep = 15.0;
inline constexpr double kViewKeyBigStep = 150.0;

// The position after `event`, or nothing when the key does not turn the view
// (any other key, or one held with Ctrl or Alt, which belong to commands).
std::optional<QPointF> viewAfterKey(const QKeyEvent* event, QPointF current);
